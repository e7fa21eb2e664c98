#include "draws/path_rules.h"

#include <array>

void ResetPathRules(PathRules& rules) {
    static const std::array<const char*, 10> names = {"隔一版開同號(X1N0)",       "隔一版開 Ｎ＋１號(X1N+1)",
                                                      "隔一版開 Ｎ－１號(X1N-1)", "隔一版開 Ｎ＋２號(X1N+2)",
                                                      "隔一版開 Ｎ－２號(X1N-2)", "隔二版開同號(X2N0)",
                                                      "隔二版開 Ｎ＋１號(X2N+1)", "隔二版開 Ｎ－１號(X2N-1)",
                                                      "隔二版開 Ｎ＋２號(X2N+2)", "隔二版開 Ｎ－２號(X2N-2)"};
    rules.RuleEnable.fill(true);
    rules.RuleOkCount = 3;
    for (int i = 1; i <= 10; ++i)
        rules.RuleName[i] = names[static_cast<std::size_t>(i - 1)];
}
