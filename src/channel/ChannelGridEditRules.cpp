#include "channel/ChannelGridEditRules.h"

#include <algorithm>
#include <cstdlib>

#include "channel/ChannelFields.h"
#include "channel/ChannelGridCells.h"
#include "channel/ChannelTables.h"
#include "image/ChannelOps.h"
#include "image/ItemMap.h"
#include "image/ItemsChannel.h"
#include "image/ItemsHeader.h"
#include "image/ItemsScan.h"
#include "image/ItemsSystem.h"
#include "image/Model.h"
#include "image/TagCharRule.h"
#include "image/UiUtil.h"

namespace ChannelGridEdit {

using namespace ChannelTables;
namespace Col = ChannelGridCells::Col;

namespace {

constexpr int kNoPriority = 0xFF;
constexpr int kCtcssMin = 600, kCtcssMax = 2541;  // 60.0 - 254.1 Hz
constexpr int kDcsMax = 511;                      // octal 777
constexpr int kCtcssStart = 670;                  // 67.0 Hz
constexpr int kDcsStart = 19;                     // octal 023

void WriteField(CloneImage& image, int item, int channel, std::uint32_t value) {
    ItemMap::WriteChannelField(ItemMap::ChannelItems[item], image, channel, value);
}
std::uint32_t ReadField(const CloneImage& image, int item, int channel) {
    return ItemMap::ReadChannelField(ItemMap::ChannelItems[item], image, channel);
}

int ListLength(ItemList list) {
    int n = 0;
    while (n < static_cast<int>(list.size()) && list[n].value != ItemListEnd) ++n;
    return n;
}

// The list a column reads and writes through; column 23 uses the numbers of
// the channel's signalling type.
RowList ColumnRows(const CloneImage& image, int channel, int column, bool forCell) {
    if (column == Col::SignalingNumber) return ChannelGridCells::SignalingNumberRows(image, channel, forCell);
    const ItemList* list = ChannelGridCells::Spec(column).list;
    RowList rows;
    if (list) rows.assign(list->begin(), list->begin() + ListLength(*list));
    rows.push_back({ItemListEnd, "", ""});
    return rows;
}

// The value of the row with `text`; row 0's value when none has it.
int ListValue(const CloneImage& image, int channel, int column, std::string_view text) {
    RowList rows = ColumnRows(image, channel, column, false);
    if (rows.size() <= 1) return 0;
    int row = UiUtil::FindTableRow(AsItemList(rows), text);
    if (row < 0 && column == Col::SignalingNumber) {
        rows = ColumnRows(image, channel, column, true);
        row = UiUtil::FindTableRow(AsItemList(rows), text);
    }
    return rows[std::max(row, 0)].value;
}

std::string CommaToDot(std::string_view text) {
    std::string s(text);
    std::replace(s.begin(), s.end(), ',', '.');
    return s;
}

bool HasDigit(std::string_view text) {
    return std::any_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Whole tenths of a decimal text, truncated ("67.05" -> 670); leading digits
// only, like a C conversion.
long Tenths(std::string_view text) {
    long whole = 0;
    std::size_t i = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        whole = std::min(whole * 10 + (text[i] - '0'), 100000L);
    long tenth = 0;
    if (i < text.size() && text[i] == '.' && i + 1 < text.size() && text[i + 1] >= '0' && text[i + 1] <= '9')
        tenth = text[i + 1] - '0';
    return whole * 10 + tenth;
}

long Octal(std::string_view text) {
    long value = 0;
    for (char c : text) {
        if (c < '0' || c > '7') break;
        value = std::min(value * 8 + (c - '0'), 100000L);
    }
    return value;
}

int SubAudioTypeOfText(std::string_view text) {
    int type = FindIdByName(SubAudioTypeList, text);
    if (type < 0 && text.size() >= 2) type = FindIdByName(SubAudioTypeList, text.substr(0, 2));
    return type < 0 ? 0 : type;
}

void ParseSubAudio(CloneImage& image, int channel, int column, std::string_view rawText) {
    const std::string text = CommaToDot(rawText);
    Channel::SubAudio value;
    value.type = SubAudioTypeOfText(text);
    const std::string_view code = text.size() > 2 ? std::string_view(text).substr(2) : std::string_view();
    if (value.type == 1) {
        value.code = static_cast<int>(
            std::clamp(Tenths(code), static_cast<long>(kCtcssMin), static_cast<long>(kCtcssMax)));
    } else if (value.type == 2) {
        value.code = static_cast<int>(std::min(Octal(code), static_cast<long>(kDcsMax)));
        const char last = text.empty() ? '\0' : text.back();
        if (last == 'B') value.polarity = 1;
        if (last == 'I') value.type = 3;
    } else {
        value = {};
    }
    if (column == Col::DecodeSubAudio)
        Channel::SetRxSubAudio(image, channel, value);
    else
        Channel::SetTxSubAudio(image, channel, value.type, value.code);
}

void SetInUse(CloneImage& image, int channel, bool inUse) {
    ItemMap::WriteBit(ItemMap::ChannelBitmapItems[0], image, channel, inUse ? 0 : 1);
    Zone::RefreshValidBits(image);
}

}  // namespace

bool AcceptsInput(const CloneImage& image, int channel, int column) {
    if (column < 0 || column >= ChannelGridCells::ColumnCount) return false;
    if (channel < 0 || channel >= ItemMap::ChannelCount) return false;
    return column == Col::Number || Channel::IsInUse(image, channel);
}

void ParseCellText(CloneImage& image, int channel, int column, std::string_view text) {
    if (channel < 0 || channel >= ItemMap::ChannelCount) return;
    const int value = ChannelGridCells::Spec(column).list ? ListValue(image, channel, column, text) : 0;
    // The fields the grid shares with the channel editor.
    if (const auto* field = ChannelFields::ForColumn(column)) {
        field->set(image, channel, value);
        return;
    }
    switch (column) {
        case Col::Priority: {
            const int group = channel / ChannelGridCells::RowsPerGroup;
            const int position = channel % ChannelGridCells::RowsPerGroup;
            if (value == 1)
                SetPriorityChannel(image, group, position);
            else if (PriorityPosition(image, group) == position)
                CancelPriorityChannel(image, group);
            break;
        }
        case Col::Tag:
            Channel::SetTag(image, channel, text);
            break;
        case Col::RxFrequency:
            if (HasDigit(text))
                Channel::SetRxFrequency(image, channel, std::strtod(CommaToDot(text).c_str(), nullptr));
            break;
        case Col::TxFrequency:
            if (HasDigit(text))
                Channel::SetTxFrequency(image, channel, std::strtod(CommaToDot(text).c_str(), nullptr));
            else
                WriteField(image, ItemMap::ChannelTxSetItem, channel, 0);  // transmit off
            break;
        case Col::DecodeSubAudio:
        case Col::EncodeSubAudio:
            ParseSubAudio(image, channel, column, text);
            break;
        case Col::Scan:
            ItemMap::SetChannelScanZoneBit(image, channel, value);
            break;
        case Col::Ani:
            break;  // only through its dialog
        default:
            break;
    }
}

void CycleCellValue(CloneImage& image, int channel, int column, std::string_view currentText) {
    if (channel < 0 || channel >= ItemMap::ChannelCount) return;
    switch (column) {
        case Col::Number: {
            const bool inUse = Channel::IsInUse(image, channel);
            if (channel == 0 && inUse) return;  // channel 1 stays in use
            SetInUse(image, channel, !inUse);
            return;
        }
        case Col::TxFrequency:
            WriteField(image, ItemMap::ChannelTxSetItem, channel,
                       ReadField(image, ItemMap::ChannelTxSetItem, channel) ? 0 : 1);
            return;
        case Col::DecodeSubAudio:
        case Col::EncodeSubAudio: {
            const int count = ListLength(SubAudioTypeList);
            const int row =
                std::max(0, FindIndexInTable12(SubAudioTypeList, SubAudioTypeOfText(currentText)));
            const int type = SubAudioTypeList[(row + 1) % count].value;
            const int code = type == 1 ? kCtcssStart : type == 2 ? kDcsStart : 0;
            if (column == Col::DecodeSubAudio)
                Channel::SetRxSubAudio(image, channel, {type, code, 0});
            else
                Channel::SetTxSubAudio(image, channel, type, code);
            return;
        }
        default:
            break;
    }
    const RowList rows = ColumnRows(image, channel, column, true);
    const int count = static_cast<int>(rows.size()) - 1;
    if (count <= 0) return;
    const ItemList list = AsItemList(rows);
    int next = (UiUtil::FindTableRow(list, currentText) + 1) % count;
    if (column == Col::TxPower && Model::IsSpecialVariant(image) && rows[next].value == 1)
        next = (next + 1) % count;
    ParseCellText(image, channel, column, rows[next].text);
}

bool SwapDcsPolarity(CloneImage& image, int channel, int column) {
    if (!AcceptsInput(image, channel, column)) return false;
    if (column == Col::EncodeSubAudio) {
        const Channel::SubAudio tx = Channel::GetTxSubAudio(image, channel);
        if (tx.type != 2 && tx.type != 3) return false;
        Channel::SetTxSubAudio(image, channel, tx.type == 2 ? 3 : 2, tx.code);
        return true;
    }
    if (column == Col::DecodeSubAudio) {
        Channel::SubAudio rx = Channel::GetRxSubAudio(image, channel);
        if (rx.type == 2 && rx.polarity == 0)
            rx = {3, rx.code, 0};  // N -> I
        else if (rx.type == 3)
            rx = {2, rx.code, 1};  // I -> B
        else if (rx.type == 2)
            rx = {2, rx.code, 0};  // B -> N
        else
            return false;
        Channel::SetRxSubAudio(image, channel, rx);
        return true;
    }
    return false;
}

KeyFilter FilterEditKey(int column, int key, std::string_view editorText, int caret, int selectionLength) {
    if (key == KeyBackspace || key == KeyEnter || key == KeyEscape) return {key, std::nullopt};
    if (key == KeyTab) return {};
    switch (column) {
        case Col::Tag:
            return {static_cast<int>(CurrentTagCharRule().NormalizeChar(static_cast<char32_t>(key))),
                    std::nullopt};
        case Col::RxFrequency:
        case Col::TxFrequency:
            if (key < 128 && ((key >= '0' && key <= '9') || key == '.' || key == ','))
                return {key, std::nullopt};
            return {};
        case Col::DecodeSubAudio:
        case Col::EncodeSubAudio: {
            if (key >= 128) return {};
            const int upper = (key >= 'a' && key <= 'z') ? key - 'a' + 'A' : key;
            const std::string ctcss = FindNameById(SubAudioTypeList, 1),
                              dcs = FindNameById(SubAudioTypeList, 2);
            if (caret <= 1) {
                if (!ctcss.empty() && upper == ctcss[0]) return {0, ctcss};
                if (!dcs.empty() && upper == dcs[0]) return {0, dcs};
                return {};
            }
            const bool isDigit = upper >= '0' && upper <= '9';
            if (!editorText.empty() && !dcs.empty() && editorText[0] == dcs[0]) {
                const std::string_view allowed = column == Col::DecodeSubAudio ? "01234567NIB" : "01234567NI";
                if (static_cast<int>(editorText.size()) - selectionLength >= 6) return {};
                const bool inSet = allowed.find(static_cast<char>(upper)) != std::string_view::npos;
                const bool pass = caret >= 2 && caret <= 4 ? inSet && isDigit : inSet && !isDigit;
                return pass ? KeyFilter{upper, std::nullopt} : KeyFilter{};
            }
            const bool pass = caret == 2 || caret == 6 ? isDigit : isDigit || upper == '.';
            return pass ? KeyFilter{upper, std::nullopt} : KeyFilter{};
        }
        default:
            return {key, std::nullopt};
    }
}

std::vector<std::string> DropDownRows(const CloneImage& image, int column) {
    std::vector<std::string> rows;
    const ItemList* list = ChannelGridCells::Spec(column).list;
    if (!list) return rows;
    const int productType = Model::ProductType(image);
    const bool offerBt = (productType != 2 || Version::Compare(image, 1, 13, 4, 0) >= 0) &&
                         (productType != 0 || Version::Compare(image, 1, 14, 4, 0) >= 0);
    const bool offerPageMdc = Version::HasFeature_1_90(image);
    for (int i = 0; i < ListLength(*list); ++i) {
        const std::string_view text = (*list)[i].text;
        if (column == Col::LockOut && text == "BT" && !offerBt) continue;
        if (column == Col::SignalingType && (text == "Page" || text == "MDC") && !offerPageMdc) continue;
        rows.emplace_back(text);
    }
    return rows;
}

EditStart BeginCellEdit(const CloneImage& image, int channel, int column, std::string_view cellText) {
    EditStart start;
    if ((column != Col::Number && !Channel::IsInUse(image, channel)) || column < 0 ||
        column >= ChannelGridCells::ColumnCount) {
        start.cancel = true;
        return start;
    }
    const auto& spec = ChannelGridCells::Spec(column);
    switch (spec.kind) {
        case CellKind::Text:
            start.cycleFirst =
                column == Col::TxFrequency && (cellText.empty() || cellText == EmptyFrequencyText);
            start.maxLength = spec.editKind;
            break;
        case CellKind::List:
            start.dropDown = DropDownRows(image, column);
            break;
        default:
            start.cancel = true;
            break;
    }
    return start;
}

CellDialog DialogForCell(const CloneImage& image, int channel, int column) {
    if (!AcceptsInput(image, channel, column)) return CellDialog::None;
    const int signalingType = static_cast<int>(ItemMap::GetChannelSignalingType(image, channel));
    switch (column) {
        case Col::DecodeSubAudio:
            return Channel::GetRxSubAudio(image, channel).type != 0 ? CellDialog::DecodeSubAudio
                                                                    : CellDialog::None;
        case Col::EncodeSubAudio:
            return Channel::GetTxSubAudio(image, channel).type != 0 ? CellDialog::EncodeSubAudio
                                                                    : CellDialog::None;
        case Col::Ani:
            return CellDialog::Ani;
        case Col::Vox:
            return CellDialog::Vox;
        case Col::Encryption:
            return signalingType != 7 ? CellDialog::Encryption : CellDialog::None;
        case Col::SignalingNumber:
            return signalingType != 0 ? CellDialog::SignalingNumber : CellDialog::None;
        default:
            return CellDialog::None;
    }
}

Commit CommitCellText(CloneImage& image, int channel, int column, std::string_view newText) {
    Commit commit;
    const std::string old = ChannelGridCells::FormatCellText(image, column, channel);
    commit.oldPriorityPosition = PriorityPosition(image, channel / ChannelGridCells::RowsPerGroup);
    ParseCellText(image, channel, column, newText);
    if (column == Col::Olta && old != newText) {
        const std::uint32_t mode = ItemMap::GetChannelOlta(image, channel);
        if (mode == 1) {
            const std::uint32_t radioWide = ItemMap::GetOltaMode(image);
            if (radioWide == 0 || radioWide == 1) commit.followUp = CellDialog::DecodeSubAudio;
            if (radioWide == 2) commit.followUp = CellDialog::EncodeSubAudio;
        } else if (mode == 2) {
            commit.followUp = CellDialog::Ani;
        }
    }
    return commit;
}

std::string CellCopyText(int column, std::string_view cellText) {
    const auto& spec = ChannelGridCells::Spec(column);
    if (spec.kind == CellKind::Check && spec.list) return CheckCopyText(*spec.list, cellText);
    return std::string(cellText);
}

std::optional<std::string> CellPasteText(const CloneImage& image, int channel, int column,
                                         std::string_view clip) {
    if (column == Col::Number || !AcceptsInput(image, channel, column)) return std::nullopt;
    const auto& spec = ChannelGridCells::Spec(column);
    switch (spec.kind) {
        case CellKind::Value:
        case CellKind::List: {
            if (!spec.list) return std::nullopt;
            const RowList rows = ColumnRows(image, channel, column, true);
            if (UiUtil::FindTableRow(AsItemList(rows), clip) < 0) return std::nullopt;
            return std::string(clip);
        }
        case CellKind::Check:
            return CheckPasteText(*spec.list, clip);
        case CellKind::Text:
            if (column == Col::RxFrequency || column == Col::TxFrequency) {
                if (column == Col::TxFrequency && (clip.empty() || clip == EmptyFrequencyText))
                    return std::string(clip);
                if (clip.empty()) return std::nullopt;
                for (char c : clip)
                    if (FilterEditKey(column, static_cast<unsigned char>(c), "", 0, 0).key == 0)
                        return std::nullopt;
            }
            return std::string(clip);
        default:
            return std::nullopt;
    }
}

int PriorityPosition(const CloneImage& image, int group) {
    if (group < 0 || group >= ItemMap::PriorityChannelCount) return -1;
    const std::uint32_t position = ItemMap::GetPriorityChannel(image, group);
    return position < static_cast<std::uint32_t>(ChannelGridCells::RowsPerGroup) ? static_cast<int>(position)
                                                                                 : -1;
}

void SetPriorityChannel(CloneImage& image, int group, int position) {
    if (group < 0 || group >= ItemMap::PriorityChannelCount) return;
    if (position < 0 || position >= ChannelGridCells::RowsPerGroup) return;
    ItemMap::SetPriorityChannel(image, group, static_cast<std::uint32_t>(position));
}

void CancelPriorityChannel(CloneImage& image, int group) {
    if (group < 0 || group >= ItemMap::PriorityChannelCount) return;
    ItemMap::SetPriorityChannel(image, group, kNoPriority);
}

}  // namespace ChannelGridEdit
