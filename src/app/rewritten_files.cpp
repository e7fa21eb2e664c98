#include "app/rewritten_files.h"

#include "analysis/statistics/chart_export.h"
#include "drawhistory/server_address.h"
#include "draws/draw_tables.h"
#include "formulas/formula_member.h"
#include "formulas/line_formula_form.h"
#include "formulas/memory_file.h"
#include "formulas/nogood_group_form.h"
#include "formulas/nurture_form.h"
#include "formulas/tail_formula_form.h"
#include "pillars/subset_search.h"

std::vector<std::string> RewrittenFiles() {
    const std::vector<std::string> drawFiles = {FirstGameFile, SecondGameFile};
    std::vector<std::string> files = drawFiles;
    files.insert(files.end(), {ServerAddressFileName, ReportFile1208, ReportFile1510});
    for (const FormulaMember& member :
         {Ai2Stk3xxMember(), Ai2StkT3xxMember(), LineFormulaMember(), TailFormulaMember(),
          NogoodGroupMember(), Nurture50Member(), Nurture30Member()}) {
        if (member.memoryFile == MemoryFileName::PerForm)
            files.push_back(FormMemoryFileName(member.formName));
        if (member.memoryFile == MemoryFileName::PerGame)
            for (const std::string& drawFile : drawFiles)
                files.push_back(GameMemoryFileName(drawFile, member.formName));
    }
    const std::vector<std::string> charts = ChartFileNames();
    files.insert(files.end(), charts.begin(), charts.end());
    return files;
}
