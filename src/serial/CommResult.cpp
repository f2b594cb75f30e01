#include "serial/CommResult.h"

#include "image/ImageHost.h"

namespace CommResult {

namespace {

struct CaptionRow {
    int id;
    const char* text;
};
constexpr CaptionRow kCaptions[] = {
    {107, "Error"}, {57344, "Pardex"}, {33101, "Radio Data Recovery"}, {33201, "ADJ-Data Return to Default"}};

}  // namespace

const Row* Find(int resultId) {
    for (const auto& row : Table)
        if (row.id == resultId) return &row;
    return nullptr;
}

std::string MessageText(int resultId) {
    const Row* row = Find(resultId);
    return row ? Host().Text(row->messageId, row->message) : std::string();
}

std::string CaptionText(int resultId) {
    const Row* row = Find(resultId);
    if (!row) return {};
    for (const auto& caption : kCaptions)
        if (caption.id == row->captionId) return Host().Text(caption.id, caption.text);
    return {};
}

int Style(int resultId) {
    const Row* row = Find(resultId);
    return row ? static_cast<int>(row->style) : -1;
}

std::string StateText(int stateId) {
    for (const auto& row : StateTable)
        if (row.state == stateId) return Host().Text(row.stringId, row.text);
    return {};
}

std::string OperationName(int value) {
    for (const auto& row : OperationNames) {
        if (row.value == -1) break;
        if (row.value == value) return row.text;
    }
    return {};
}

}  // namespace CommResult
