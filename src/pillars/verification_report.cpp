#include "pillars/verification_report.h"

#include <algorithm>

#include "pillars/draw_memo.h"

namespace {

std::string starLine(std::string_view label, int count) {
    return std::string(label) + std::to_string(count) + " 碰";
}

// The three lines "<prefix>二星<infix>n 碰" and so on for 2-, 3- and 4-star counts.
void appendStarLines(std::vector<std::string>& lines, std::string_view prefix, std::string_view infix,
                     const StarCounts& stars) {
    const std::string p(prefix);
    const std::string i(infix);
    lines.push_back(starLine(p + "二星" + i, stars.star2));
    lines.push_back(starLine(p + "三星" + i, stars.star3));
    lines.push_back(starLine(p + "四星" + i, stars.star4));
}

// The closing lines of both reports: what the bets cost, and what they won.
void appendCostAndWins(std::vector<std::string>& lines, std::string_view costPrefix, const StarCounts& cost,
                       std::string_view winsTitle, const StarCounts& wins) {
    lines.emplace_back();
    appendStarLines(lines, costPrefix, " ", cost);
    lines.emplace_back();
    lines.emplace_back(winsTitle);
    appendStarLines(lines, "", "開出 ", wins);
}

} // namespace

std::string VerificationDetailLine(std::string_view memoLine, const DrawHit& hit) {
    std::string line(memoLine);
    line.reserve(memoLine.size() + 32);
    line += ",|,";
    for (const std::string& number : hit.HitNo) {
        line += number;
        line += ',';
    }
    line += "|,";
    line += std::to_string(hit.stars.star2);
    line += ',';
    line += std::to_string(hit.stars.star3);
    line += ',';
    line += std::to_string(hit.stars.star4);
    return line;
}

std::string SelectionText(const std::vector<std::string>& selection) {
    std::string text;
    for (std::size_t i = 0; i < selection.size(); ++i) {
        if (i == 15)
            text += ' ';
        text += selection[i];
        text += ',';
    }
    return text;
}

VerificationReport PillarVerification(const std::vector<std::string>& memoLines, std::size_t drawLineCount,
                                      const PillarNumbers& pillars, const std::vector<int>& sizes,
                                      std::string_view windowHeader) {
    // The layout tables hold 8 pillars of 8 numbers: anything beyond is not part of the layout.
    const std::size_t pillarCount = std::min<std::size_t>(pillars.size(), MaxPillars);
    PillarNumbers layout(pillarCount);
    for (std::size_t p = 0; p < pillarCount; ++p)
        layout[p].assign(pillars[p].begin(),
                         pillars[p].begin() + static_cast<std::ptrdiff_t>(
                                                  std::min<std::size_t>(pillars[p].size(), PillarSlots)));
    std::vector<int> layoutSizes(pillarCount, 0);
    std::copy_n(sizes.begin(), std::min(sizes.size(), pillarCount), layoutSizes.begin());

    VerificationReport report;
    report.lines.reserve(memoLines.size() + 32 + pillarCount * (PillarSlots + 2));
    const std::size_t draws = std::min(drawLineCount, memoLines.size());
    for (std::size_t i = 0; i < draws; ++i) {
        const DrawHit hit = CHECK_Bingo_pillar(layout, DrawKey(memoLines[i]));
        report.hits += hit.stars;
        report.lines.push_back(VerificationDetailLine(memoLines[i], hit));
    }
    report.lines.insert(report.lines.end(), memoLines.begin() + static_cast<std::ptrdiff_t>(draws),
                        memoLines.end());

    std::vector<std::string>& out = report.lines;
    out.emplace_back();
    out.emplace_back(windowHeader);
    for (std::size_t p = 0; p < pillarCount; ++p) {
        out.emplace_back();
        out.push_back("第" + std::to_string(p + 1) + "柱");
        // A slot the pillar memo has no line for is listed empty.
        const int listed = std::clamp(layoutSizes[p], 0, PillarSlots);
        for (std::size_t s = 0; s < static_cast<std::size_t>(listed); ++s)
            out.push_back(s < layout[p].size() ? layout[p][s] : std::string());
    }
    appendCostAndWins(out, "成本", ElementaryStars(layoutSizes), "開出星星統計", report.hits);
    return report;
}

VerificationReport WheelVerification(const std::vector<std::string>& drawLines,
                                     const std::vector<std::string>& memoLines,
                                     const std::vector<std::string>& selection, bool detail,
                                     std::string_view windowHeader) {
    VerificationReport report;
    report.lines = memoLines;
    for (std::size_t i = 0; i < drawLines.size(); ++i) {
        const DrawHit hit = CHECK_Bingo_lenpon(selection, DrawKey(drawLines[i]));
        report.hits += hit.stars;
        if (!detail)
            continue;
        std::string line = VerificationDetailLine(drawLines[i], hit);
        if (i < report.lines.size())
            report.lines[i] = std::move(line);
        else
            report.lines.push_back(std::move(line));
    }

    const int n = static_cast<int>(selection.size());
    std::string joined;
    for (std::size_t i = 0; i < selection.size(); ++i)
        joined += (i == 0 ? "" : ",") + selection[i];

    std::vector<std::string>& out = report.lines;
    out.emplace_back();
    out.emplace_back(windowHeader);
    out.emplace_back();
    out.push_back("如果您選擇連碰號碼( " + std::to_string(n) + " 碼)");
    out.push_back(joined);
    appendCostAndWins(out, "每期", WheelStars(n), "※開出統計※", report.hits);
    return report;
}
