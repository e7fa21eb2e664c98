#include "support/window_fixture.h"

#include "common/date.h"
#include "common/text_file.h"

WindowTest::WindowTest() : services(platform.services()) {
    links.reload = [this] { return !loadDrawFile().bad; };
}

DrawFileRead WindowTest::loadDraws(const std::vector<std::string>& lines) {
    dir.writeLines(QString::fromStdString(tables.draws.DataFileName), lines);
    return loadDrawFile();
}

DrawFileRead WindowTest::loadDrawFile() {
    const DrawFileRead read = LoadDrawHistory(tables.draws, tables.work, tables.rules,
                                              DateFormat("yyyy/mm/dd", platform.clock.today()));
    EXPECT_FALSE(read.splitError) << *read.splitError;
    return read;
}
