#include "drawhistory/line_sync_protocol.h"

#include <algorithm>

#include "common/date.h"
#include "common/errors.h"

namespace {

struct PeerCount {
    int value = 0;
    bool isInteger = false;
};

// The count as the whole field reads, or else as its longest leading part that reads as an
// integer (blanks, a sign, then the digits before the first character that is not one); 0 when
// no leading part does.
PeerCount ReadPeerCount(std::string_view field) {
    for (std::size_t length = field.size(); length > 0; --length) {
        try {
            return {StrToInt(field.substr(0, length)), length == field.size()};
        } catch (const ConversionError&) {
        }
    }
    return {0, false};
}

} // namespace

bool IsLineRequest(std::string_view datagram) {
    return datagram.size() == 7 && datagram.starts_with("REQ");
}

std::vector<std::string> AnswerLineRequest(const LineSyncTable& table, std::string_view datagram) {
    std::vector<std::string> frames;
    if (!IsLineRequest(datagram))
        return frames;
    const PeerCount peer = ReadPeerCount(datagram.substr(3));
    if (peer.value < 0)
        return frames;
    const int lineCount = std::clamp(table.lineCount, 0, static_cast<int>(LineSyncCapacity));
    if (peer.isInteger) {
        frames.push_back("RCX" + table.header);
        std::string lines = "RCV";
        for (int i = peer.value + 1; i <= lineCount; ++i)
            lines += table.lines[i];
        frames.push_back(std::move(lines));
    }
    if (lineCount >= peer.value)
        frames.push_back("END");
    return frames;
}
