#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct DrawTables;
struct WorkArea;

// The double drag: the draws in which a number X was drawn and, d1 draws later (0: in the same
// draw), a number Y (the picks); then the formulas that say which number (ball position p of the
// draw d before the pick) or which tail digit is drawn again n draws after the pick. A draw after
// the newest one is a draw not yet made: it holds no numbers and nothing hits it.

enum class DragFamily { Position, Tail };

inline constexpr int DragBalls = 5;                    // positions read from the working numbers
inline constexpr int DragCapacity = 1000;              // kept keys
inline constexpr int DragMaxDistance = 99;             // n fits two digits of the key
inline constexpr int DragMaxPicks = 999;               // hits fit three digits of the key
inline constexpr std::string_view NotDrawnText = "__"; // a source draw before the first draw

// What the base-date change puts into the window's boxes.
struct BaseDateChoice {
    int baseDraw = 0;
    std::vector<std::string> xItems;  // positions 1..5 of the base draw; X is the first
    std::string predictionText;       // n: the draw after the newest one, seen from the base draw
    std::vector<std::string> d1Items; // "0".."DrawCount - b"
    std::string d1Text;               // the newest draw, seen from the base draw
    std::vector<std::string> yItems;  // the choices of Y at that d1; Y is the first
};

// None when the text names no loaded draw.
std::optional<BaseDateChoice> ChooseBaseDate(const DrawTables& draws, const WorkArea& work,
                                             std::string_view dateText);
// The choices of Y: positions 1..5 of the draw d1 after the base draw (none past the newest).
std::vector<std::string> SecondDrawItems(const DrawTables& draws, const WorkArea& work, int baseDraw, int d1);

std::string UnknownBaseDateMessage(std::string_view dateText);
std::string BaseDateTooFarMessage();
std::string TooManyPicksMessage(int picks);
std::string NegativeDistanceMessage();
std::string NegativeRunLengthMessage();
std::string NegativeSecondDrawMessage();

// Picks: draws i (oldest first) holding X at one of positions 1..5 whose draw i + d1 holds Y,
// for i up to DrawCount - n + 1. Texts compare exactly ("7" never matches "07").
struct PickQuery {
    std::string x;
    std::string y;
    std::string d1Text; // as the box read, for the explanation
    int d1 = 0;
    int n = 0;
};
std::vector<int> FindPicks(const DrawTables& draws, const WorkArea& work, const PickQuery& query);
// No draw matches the query: what the user is told, naming the pattern, or the box of X by its
// caption when that was left empty.
std::string NoPicksMessage(const PickQuery& query, std::string_view xCaption);

// The shared pick list: filled by the query, read back by what follows it.
void StorePicks(WorkArea& work, const std::vector<int>& picks);
std::vector<int> StoredPicks(const WorkArea& work);

// The checks a search makes before it enumerates, in the window's order. Without picks nothing is
// searched: no formula can hit, and the run length stays as the user left it.
struct DragSearchSetup {
    enum class Outcome { Search, SilentEnd, Refused, NoPicks };
    Outcome outcome = Outcome::SilentEnd;
    std::string message;               // Refused: what the user is told
    std::optional<int> runLengthShown; // R lowered to picks - 1 (never below 0): the box shows it
    std::string prefix;                // the hidden look-back text, the key's first field
    int n = 0;
    int runLength = 0;
};
DragSearchSetup PrepareDragSearch(std::string_view prefixText, int n, std::string_view lanText,
                                  int pickCount);

// Keys, fixed width so that sorting them descending as text ranks them by hits over all picks:
// position family: prefix(2) n(2) hits(3) p(1) d(3: "000".."009", "-01".."-98") "00";
// tail family:     prefix(2) n(2) hits(3) "1" d=n(3) t(2) "00".
std::string PositionKey(std::string_view prefix, int n, int hits, int p, int d);
std::string TailKey(std::string_view prefix, int n, int hits, int t);

struct DragKey {
    int n = 0;
    int hits = 0;
    int p = 0;
    int d = 0;
    int t = 0; // tail family only
};
// None when a field is no integer.
std::optional<DragKey> ParseDragKey(DragFamily family, std::string_view key);

// The source text of a pick under a formula: the number at position p of draw i - d (position
// family) or the tail digit t (tail family), "__" when that draw lies before the first one.
std::string SourceText(DragFamily family, const DrawTables& draws, const WorkArea& work, int pick,
                       const DragKey& key);
// Whether the source is drawn in the target draw pick + n: the number at one of its positions, or a
// number with that units digit. A draw not yet made holds nothing.
bool SourceHits(DragFamily family, const DrawTables& draws, const WorkArea& work, int target,
                const std::string& source);

// Every formula of the family over the picks, kept when it hit in at least R of the newest R + 1
// picks; keys in enumeration order (p = 1..5, d = 1 - n..9; or t = 0..9), at most the capacity.
std::vector<std::string> SearchDragFormulas(DragFamily family, const DrawTables& draws, const WorkArea& work,
                                            const std::vector<int>& picks, const DragSearchSetup& setup);
