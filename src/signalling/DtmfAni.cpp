#include "signalling/DtmfAni.h"

#include <cstdint>

#include "image/ItemMap.h"
#include "image/ItemsSignalling.h"
#include "signalling/DtmfCodeText.h"
#include "signalling/SignallingLists.h"
#include "ui/EditRules.h"

using namespace Settings;
using namespace SignallingLists;

namespace {

constexpr std::uint8_t H = RestrictionState::Hide;
constexpr std::uint8_t kType[15] = {H, H, H, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
constexpr std::uint8_t kTransmit[15] = {}, kDelay[15] = {}, kSpeed[15] = {}, kCode[15] = {};

constexpr ControlRuleRow kRules[] = {
    {2003, 0, kType},  {2103, 1, kType},  {2002, 0, kTransmit}, {2102, 1, kTransmit}, {2006, 0, kDelay},
    {2106, 1, kDelay}, {2007, 0, kSpeed}, {2107, 1, kSpeed},    {2008, 0, kCode},     {2301, 1, kCode},
    {-1, 0, nullptr},
};

template <std::uint32_t (*Get)(const CloneImage&), int (*Set)(CloneImage&, std::uint32_t)>
void Item(Getter& get, Setter& set) {
    get = [](const CloneImage& image) { return static_cast<std::int32_t>(Get(image)); };
    set = [](CloneImage& image, std::int32_t value) { Set(image, static_cast<std::uint32_t>(value)); };
}

}  // namespace

std::unique_ptr<SettingsDialogModel> CDtmfAniDlg::MakeDialog() {
    std::vector<std::unique_ptr<SettingsPage>> pages;
    pages.push_back(std::make_unique<CDtmfAniDlg>());
    return std::make_unique<SettingsDialogModel>(DialogSpec{IDD, Caption, Section, false}, std::move(pages));
}

void CDtmfAniDlg::Build() {
    SetRuleRows(kRules);
    Getter get;
    Setter set;
    Item<ItemMap::GetDtmfAniType, ItemMap::SetDtmfAniType>(get, set);
    AddCombo(2003, "DTMF ANI T&ype", IDC_TYPE, DtmfAniTypeList, get, set);
    Item<ItemMap::GetDtmfAniTransmit, ItemMap::SetDtmfAniTransmit>(get, set);
    AddCombo(2002, "DTMF ANI &Transmit", IDC_TRANSMIT, DtmfAniTransmitList, get, set);
    Item<ItemMap::GetDtmfAniDelayTime, ItemMap::SetDtmfAniDelayTime>(get, set);
    AddCombo(2006, "DTMF ANI &Delay Time", IDC_DELAY_TIME, DtmfAniDelayTimeList, get, set);
    Item<ItemMap::GetDtmfAniSpeed, ItemMap::SetDtmfAniSpeed>(get, set);
    AddCombo(2007, "DTMF ANI &Speed", IDC_SPEED, DtmfAniSpeedList, get, set);
    AddEdit(2008, "DTMF ANI &Code", {IDC_CODE, DtmfCodeText::MaxDigits, 0, 0, EditKind::Dtmf, 0});
}

void CDtmfAniDlg::Left(int controlId) {
    if (controlId == IDC_CODE) Form().SetText(IDC_CODE, EditRules::NormalizeDtmf(Form().Text(IDC_CODE)));
}

void CDtmfAniDlg::LoadOwn(const CloneImage& image) {
    loadedCode_ = DtmfCodeText::Load(ItemMap::GetDtmfAniCode, image);
    Form().SetText(IDC_CODE, loadedCode_);
}

void CDtmfAniDlg::SaveOwn(CloneImage& image) {
    const std::string code = Form().Text(IDC_CODE);
    if (code != loadedCode_) DtmfCodeText::Store(ItemMap::SetDtmfAniCode, image, code);
}
