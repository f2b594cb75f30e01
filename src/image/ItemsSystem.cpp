#include "image/ItemsSystem.h"

#include "image/ItemAccessors.h"

namespace ItemMap {

std::uint32_t GetProductType(const CloneImage& image) {
    return GetSingle(HardwareItems[0], image);
}
int SetProductType(CloneImage& image, std::uint32_t value) {
    return SetSingle(HardwareItems[0], image, value);
}

std::uint32_t GetSafetyType(const CloneImage& image) {
    return GetSingle(HardwareItems[1], image);
}
int SetSafetyType(CloneImage& image, std::uint32_t value) {
    return SetSingle(HardwareItems[1], image, value);
}

std::uint32_t GetBandType(const CloneImage& image) {
    return GetSingle(HardwareItems[3], image);
}
int SetBandType(CloneImage& image, std::uint32_t value) {
    return SetSingle(HardwareItems[3], image, value);
}

std::uint32_t GetFrequencyType(const CloneImage& image) {
    return GetSingle(HardwareItems[4], image);
}
int SetFrequencyType(CloneImage& image, std::uint32_t value) {
    return SetSingle(HardwareItems[4], image, value);
}

std::uint32_t GetMaxCh(const CloneImage& image) {
    return GetSingle(HardwareItems[6], image);
}
int SetMaxCh(CloneImage& image, std::uint32_t value) {
    return SetSingle(HardwareItems[6], image, value);
}

std::uint32_t GetMaxGroup(const CloneImage& image) {
    return GetSingle(HardwareItems[5], image);
}
int SetMaxGroup(CloneImage& image, std::uint32_t value) {
    return SetSingle(HardwareItems[5], image, value);
}

std::uint32_t GetKeypadType(const CloneImage& image) {
    return GetSingle(HardwareItems[8], image);
}
int SetKeypadType(CloneImage& image, std::uint32_t value) {
    return SetSingle(HardwareItems[8], image, value);
}

std::uint32_t GetChSelectorType(const CloneImage& image) {
    return GetSingle(HardwareItems[9], image);
}
int SetChSelectorType(CloneImage& image, std::uint32_t value) {
    return SetSingle(HardwareItems[9], image, value);
}

std::uint32_t GetDisplayType(const CloneImage& image) {
    return GetSingle(HardwareItems[10], image);
}
int SetDisplayType(CloneImage& image, std::uint32_t value) {
    return SetSingle(HardwareItems[10], image, value);
}

std::uint32_t GetDisplayDigit(const CloneImage& image) {
    return GetSingle(HardwareItems[13], image);
}
int SetDisplayDigit(CloneImage& image, std::uint32_t value) {
    return SetSingle(HardwareItems[13], image, value);
}

std::uint32_t GetOptionBoard(const CloneImage& image) {
    return GetSingle(HardwareItems[15], image);
}
int SetOptionBoard(CloneImage& image, std::uint32_t value) {
    return SetSingle(HardwareItems[15], image, value);
}

std::uint32_t GetChannelStep(const CloneImage& image) {
    return GetSingle(HardwareItems[20], image);
}
int SetChannelStep(CloneImage& image, std::uint32_t value) {
    return SetSingle(HardwareItems[20], image, value);
}

std::uint32_t GetSqlStabilityTime(const CloneImage& image) {
    return GetSingle(HardwareItems[22], image);
}
int SetSqlStabilityTime(CloneImage& image, std::uint32_t value) {
    return SetSingle(HardwareItems[22], image, value);
}

std::uint32_t GetSqlReleaseTime(const CloneImage& image) {
    return GetSingle(HardwareItems[23], image);
}
int SetSqlReleaseTime(CloneImage& image, std::uint32_t value) {
    return SetSingle(HardwareItems[23], image, value);
}

std::uint32_t GetSqlAttackTime(const CloneImage& image) {
    return GetSingle(HardwareItems[24], image);
}
int SetSqlAttackTime(CloneImage& image, std::uint32_t value) {
    return SetSingle(HardwareItems[24], image, value);
}

std::uint32_t GetSqlHysteresis(const CloneImage& image) {
    return GetSingle(HardwareItems[25], image);
}
int SetSqlHysteresis(CloneImage& image, std::uint32_t value) {
    return SetSingle(HardwareItems[25], image, value);
}

std::uint32_t GetVoxOffsetStep(const CloneImage& image) {
    return GetSingle(HardwareItems[26], image);
}
int SetVoxOffsetStep(CloneImage& image, std::uint32_t value) {
    return SetSingle(HardwareItems[26], image, value);
}

std::uint32_t GetVoxHysteresis(const CloneImage& image) {
    return GetSingle(HardwareItems[27], image);
}
int SetVoxHysteresis(CloneImage& image, std::uint32_t value) {
    return SetSingle(HardwareItems[27], image, value);
}

std::uint32_t GetTailEliminationTime(const CloneImage& image) {
    return GetSingle(HardwareItems[29], image);
}
int SetTailEliminationTime(CloneImage& image, std::uint32_t value) {
    return SetSingle(HardwareItems[29], image, value);
}

std::uint32_t GetRxDcsData(const CloneImage& image) {
    return GetSingle(HardwareItems[79], image);
}
int SetRxDcsData(CloneImage& image, std::uint32_t value) {
    return SetSingle(HardwareItems[79], image, value);
}

std::uint32_t GetTxDcsData(const CloneImage& image) {
    return GetSingle(HardwareItems[80], image);
}
int SetTxDcsData(CloneImage& image, std::uint32_t value) {
    return SetSingle(HardwareItems[80], image, value);
}

std::uint32_t GetLocalOffset(const CloneImage& image) {
    return GetSingle(HardwareItems[81], image);
}
int SetLocalOffset(CloneImage& image, std::uint32_t value) {
    return SetSingle(HardwareItems[81], image, value);
}

std::uint32_t GetStandardRxPllRef(const CloneImage& image) {
    return GetSingle(HardwareItems[84], image);
}
int SetStandardRxPllRef(CloneImage& image, std::uint32_t value) {
    return SetSingle(HardwareItems[84], image, value);
}

std::uint32_t GetStandardTxPllRef(const CloneImage& image) {
    return GetSingle(HardwareItems[85], image);
}
int SetStandardTxPllRef(CloneImage& image, std::uint32_t value) {
    return SetSingle(HardwareItems[85], image, value);
}

std::uint32_t GetMinFrequency(const CloneImage& image) {
    return GetLEPair(HardwareItems[16], HardwareItems[17], image);
}
int SetMinFrequency(CloneImage& image, std::uint32_t value) {
    return SetLEPair(HardwareItems[16], HardwareItems[17], image, value);
}

std::uint32_t GetMaxFrequency(const CloneImage& image) {
    return GetLEPair(HardwareItems[18], HardwareItems[19], image);
}
int SetMaxFrequency(CloneImage& image, std::uint32_t value) {
    return SetLEPair(HardwareItems[18], HardwareItems[19], image, value);
}

std::uint32_t GetFirstIfFrequency(const CloneImage& image) {
    return GetInlineLE(HardwareItems[82], image);
}
int SetFirstIfFrequency(CloneImage& image, std::uint32_t value) {
    return SetInlineLE(HardwareItems[82], image, value);
}

std::uint32_t GetReferenceXtalFrequency(const CloneImage& image) {
    return GetInlineLE(HardwareItems[83], image);
}
int SetReferenceXtalFrequency(CloneImage& image, std::uint32_t value) {
    return SetInlineLE(HardwareItems[83], image, value);
}

std::uint32_t GetRadioInfo0(const CloneImage& image) {
    return GetSingle(RadioInfoItems[0], image);
}
int SetRadioInfo0(CloneImage& image, std::uint32_t value) {
    return SetSingle(RadioInfoItems[0], image, value);
}

std::uint32_t GetRadioInfo1(const CloneImage& image) {
    return GetSingle(RadioInfoItems[1], image);
}
int SetRadioInfo1(CloneImage& image, std::uint32_t value) {
    return SetSingle(RadioInfoItems[1], image, value);
}

std::uint32_t GetRadioInfo2(const CloneImage& image) {
    return GetSingle(RadioInfoItems[2], image);
}
int SetRadioInfo2(CloneImage& image, std::uint32_t value) {
    return SetSingle(RadioInfoItems[2], image, value);
}

std::uint32_t GetRadioInfo3(const CloneImage& image) {
    return GetSingle(RadioInfoItems[3], image);
}
int SetRadioInfo3(CloneImage& image, std::uint32_t value) {
    return SetSingle(RadioInfoItems[3], image, value);
}

std::uint32_t GetRadioInfo4(const CloneImage& image) {
    return GetSingle(RadioInfoItems[4], image);
}
int SetRadioInfo4(CloneImage& image, std::uint32_t value) {
    return SetSingle(RadioInfoItems[4], image, value);
}

std::uint32_t GetRadioInfo5(const CloneImage& image) {
    return GetSingle(RadioInfoItems[5], image);
}
int SetRadioInfo5(CloneImage& image, std::uint32_t value) {
    return SetSingle(RadioInfoItems[5], image, value);
}

std::uint32_t GetRadioInfo6(const CloneImage& image) {
    return GetSingle(RadioInfoItems[6], image);
}
int SetRadioInfo6(CloneImage& image, std::uint32_t value) {
    return SetSingle(RadioInfoItems[6], image, value);
}

std::uint32_t GetRadioInfo7(const CloneImage& image) {
    return GetSingle(RadioInfoItems[7], image);
}
int SetRadioInfo7(CloneImage& image, std::uint32_t value) {
    return SetSingle(RadioInfoItems[7], image, value);
}

std::uint32_t GetRadioInfo8(const CloneImage& image) {
    return GetSingle(RadioInfoItems[8], image);
}
int SetRadioInfo8(CloneImage& image, std::uint32_t value) {
    return SetSingle(RadioInfoItems[8], image, value);
}

std::uint32_t GetRadioInfo9(const CloneImage& image) {
    return GetSingle(RadioInfoItems[9], image);
}
int SetRadioInfo9(CloneImage& image, std::uint32_t value) {
    return SetSingle(RadioInfoItems[9], image, value);
}

std::uint32_t GetRadioInfo10(const CloneImage& image) {
    return GetSingle(RadioInfoItems[10], image);
}
int SetRadioInfo10(CloneImage& image, std::uint32_t value) {
    return SetSingle(RadioInfoItems[10], image, value);
}

std::uint32_t GetRadioInfo11(const CloneImage& image) {
    return GetSingle(RadioInfoItems[11], image);
}
int SetRadioInfo11(CloneImage& image, std::uint32_t value) {
    return SetSingle(RadioInfoItems[11], image, value);
}

std::uint32_t GetRadioInfo12(const CloneImage& image) {
    return GetSingle(RadioInfoItems[12], image);
}
int SetRadioInfo12(CloneImage& image, std::uint32_t value) {
    return SetSingle(RadioInfoItems[12], image, value);
}

std::uint32_t GetRadioInfo13(const CloneImage& image) {
    return GetSingle(RadioInfoItems[13], image);
}
int SetRadioInfo13(CloneImage& image, std::uint32_t value) {
    return SetSingle(RadioInfoItems[13], image, value);
}

std::uint32_t GetRadioInfo14(const CloneImage& image) {
    return GetSingle(RadioInfoItems[14], image);
}
int SetRadioInfo14(CloneImage& image, std::uint32_t value) {
    return SetSingle(RadioInfoItems[14], image, value);
}

std::uint32_t GetRadioInfo15(const CloneImage& image) {
    return GetSingle(RadioInfoItems[15], image);
}
int SetRadioInfo15(CloneImage& image, std::uint32_t value) {
    return SetSingle(RadioInfoItems[15], image, value);
}

std::uint32_t GetRadioInfo16(const CloneImage& image) {
    return GetSingle(RadioInfoItems[16], image);
}
int SetRadioInfo16(CloneImage& image, std::uint32_t value) {
    return SetSingle(RadioInfoItems[16], image, value);
}

std::uint32_t GetRadioInfo17(const CloneImage& image) {
    return GetSingle(RadioInfoItems[17], image);
}
int SetRadioInfo17(CloneImage& image, std::uint32_t value) {
    return SetSingle(RadioInfoItems[17], image, value);
}

std::uint32_t GetRadioInfo18(const CloneImage& image) {
    return GetSingle(RadioInfoItems[18], image);
}
int SetRadioInfo18(CloneImage& image, std::uint32_t value) {
    return SetSingle(RadioInfoItems[18], image, value);
}

std::uint32_t GetProductionDate(const CloneImage& image) {
    return GetSingle(SystemItems[0], image);
}
int SetProductionDate(CloneImage& image, std::uint32_t value) {
    return SetSingle(SystemItems[0], image, value);
}

std::uint32_t GetProgramVersionMajor(const CloneImage& image) {
    return GetSingle(SystemItems[4], image);
}
int SetProgramVersionMajor(CloneImage& image, std::uint32_t value) {
    return SetSingle(SystemItems[4], image, value);
}

std::uint32_t GetProgramVersionMinor(const CloneImage& image) {
    return GetSingle(SystemItems[5], image);
}
int SetProgramVersionMinor(CloneImage& image, std::uint32_t value) {
    return SetSingle(SystemItems[5], image, value);
}

std::uint32_t GetWideBandPermit(const CloneImage& image) {
    return GetSingle(SystemItems[6], image);
}
int SetWideBandPermit(CloneImage& image, std::uint32_t value) {
    return SetSingle(SystemItems[6], image, value);
}

std::uint32_t GetSerialNumberWord(const CloneImage& image) {
    return GetSingle(SystemItems[16], image);
}
int SetSerialNumberWord(CloneImage& image, std::uint32_t value) {
    return SetSingle(SystemItems[16], image, value);
}

std::uint32_t GetSerialNumber1(const CloneImage& image) {
    return GetSingle(SystemItems[17], image);
}
int SetSerialNumber1(CloneImage& image, std::uint32_t value) {
    return SetSingle(SystemItems[17], image, value);
}

std::uint32_t GetSerialNumber2(const CloneImage& image) {
    return GetSingle(SystemItems[18], image);
}
int SetSerialNumber2(CloneImage& image, std::uint32_t value) {
    return SetSingle(SystemItems[18], image, value);
}

std::uint32_t GetSerialNumber3(const CloneImage& image) {
    return GetSingle(SystemItems[19], image);
}
int SetSerialNumber3(CloneImage& image, std::uint32_t value) {
    return SetSingle(SystemItems[19], image, value);
}

std::uint32_t GetSerialNumber4(const CloneImage& image) {
    return GetSingle(SystemItems[20], image);
}
int SetSerialNumber4(CloneImage& image, std::uint32_t value) {
    return SetSingle(SystemItems[20], image, value);
}

std::uint32_t GetRotarySwAction(const CloneImage& image) {
    return GetSingle(SystemItems[22], image);
}
int SetRotarySwAction(CloneImage& image, std::uint32_t value) {
    return SetSingle(SystemItems[22], image, value);
}

std::uint32_t GetCtcssTailElimination(const CloneImage& image) {
    return GetSingle(SystemItems[23], image);
}
int SetCtcssTailElimination(CloneImage& image, std::uint32_t value) {
    return SetSingle(SystemItems[23], image, value);
}

std::uint32_t GetVoxAttackTime(const CloneImage& image) {
    return GetSingle(SystemItems[24], image);
}
int SetVoxAttackTime(CloneImage& image, std::uint32_t value) {
    return SetSingle(SystemItems[24], image, value);
}

std::uint32_t GetVoxReleaseTime(const CloneImage& image) {
    return GetSingle(SystemItems[25], image);
}
int SetVoxReleaseTime(CloneImage& image, std::uint32_t value) {
    return SetSingle(SystemItems[25], image, value);
}

std::uint32_t GetPowerOnCondition(const CloneImage& image) {
    return GetSingle(SystemItems[26], image);
}
int SetPowerOnCondition(CloneImage& image, std::uint32_t value) {
    return SetSingle(SystemItems[26], image, value);
}

std::uint32_t GetPowerOnGroup(const CloneImage& image) {
    return GetSingle(SystemItems[27], image);
}
int SetPowerOnGroup(CloneImage& image, std::uint32_t value) {
    return SetSingle(SystemItems[27], image, value);
}

std::uint32_t GetPowerOnChannel(const CloneImage& image) {
    return GetSingle(SystemItems[28], image);
}
int SetPowerOnChannel(CloneImage& image, std::uint32_t value) {
    return SetSingle(SystemItems[28], image, value);
}

std::uint32_t GetSystemSave(const CloneImage& image) {
    return GetSingle(SystemItems[29], image);
}
int SetSystemSave(CloneImage& image, std::uint32_t value) {
    return SetSingle(SystemItems[29], image, value);
}

std::uint32_t GetLowBatteryAlert(const CloneImage& image) {
    return GetSingle(SystemItems[30], image);
}
int SetLowBatteryAlert(CloneImage& image, std::uint32_t value) {
    return SetSingle(SystemItems[30], image, value);
}

std::uint32_t GetTxLowBatteryAlert(const CloneImage& image) {
    return GetSingle(SystemItems[31], image);
}
int SetTxLowBatteryAlert(CloneImage& image, std::uint32_t value) {
    return SetSingle(SystemItems[31], image, value);
}

std::uint32_t GetLowBatteryAlertInterval(const CloneImage& image) {
    return GetSingle(SystemItems[32], image);
}
int SetLowBatteryAlertInterval(CloneImage& image, std::uint32_t value) {
    return SetSingle(SystemItems[32], image, value);
}

std::uint32_t GetRxSaveOnTime(const CloneImage& image) {
    return GetSingle(SystemItems[33], image);
}
int SetRxSaveOnTime(CloneImage& image, std::uint32_t value) {
    return SetSingle(SystemItems[33], image, value);
}

std::uint32_t GetRxSaveMode(const CloneImage& image) {
    return GetSingle(SystemItems[34], image);
}
int SetRxSaveMode(CloneImage& image, std::uint32_t value) {
    return SetSingle(SystemItems[34], image, value);
}

std::uint32_t GetHookFunction(const CloneImage& image) {
    return GetSingle(SystemItems[35], image);
}
int SetHookFunction(CloneImage& image, std::uint32_t value) {
    return SetSingle(SystemItems[35], image, value);
}

std::uint32_t GetOffHookScan(const CloneImage& image) {
    return GetSingle(SystemItems[36], image);
}
int SetOffHookScan(CloneImage& image, std::uint32_t value) {
    return SetSingle(SystemItems[36], image, value);
}

std::uint32_t GetOffHookSignaling(const CloneImage& image) {
    return GetSingle(SystemItems[37], image);
}
int SetOffHookSignaling(CloneImage& image, std::uint32_t value) {
    return SetSingle(SystemItems[37], image, value);
}

std::uint32_t GetOffHookCall4(const CloneImage& image) {
    return GetSingle(SystemItems[38], image);
}
int SetOffHookCall4(CloneImage& image, std::uint32_t value) {
    return SetSingle(SystemItems[38], image, value);
}

std::uint32_t GetOnHookCall5(const CloneImage& image) {
    return GetSingle(SystemItems[39], image);
}
int SetOnHookCall5(CloneImage& image, std::uint32_t value) {
    return SetSingle(SystemItems[39], image, value);
}

std::uint32_t GetBusyAlert(const CloneImage& image) {
    return GetSingle(SystemItems[41], image);
}
int SetBusyAlert(CloneImage& image, std::uint32_t value) {
    return SetSingle(SystemItems[41], image, value);
}

std::uint32_t GetLcdKeyBacklight(const CloneImage& image) {
    return GetSingle(SystemItems[42], image);
}
int SetLcdKeyBacklight(CloneImage& image, std::uint32_t value) {
    return SetSingle(SystemItems[42], image, value);
}

std::uint32_t GetRxLcdKeyLighting(const CloneImage& image) {
    return GetSingle(SystemItems[43], image);
}
int SetRxLcdKeyLighting(CloneImage& image, std::uint32_t value) {
    return SetSingle(SystemItems[43], image, value);
}

std::uint32_t GetKeyBeep(const CloneImage& image) {
    return GetSingle(SystemItems[44], image);
}
int SetKeyBeep(CloneImage& image, std::uint32_t value) {
    return SetSingle(SystemItems[44], image, value);
}

std::uint32_t GetOneGroupMode(const CloneImage& image) {
    return GetSingle(SystemItems[46], image);
}
int SetOneGroupMode(CloneImage& image, std::uint32_t value) {
    return SetSingle(SystemItems[46], image, value);
}

std::uint32_t GetVoxTalkPermitTone(const CloneImage& image) {
    return GetSingle(SystemItems[47], image);
}
int SetVoxTalkPermitTone(CloneImage& image, std::uint32_t value) {
    return SetSingle(SystemItems[47], image, value);
}

std::uint32_t GetKeyHoldingTime(const CloneImage& image) {
    return GetSingle(SystemItems[48], image);
}
int SetKeyHoldingTime(CloneImage& image, std::uint32_t value) {
    return SetSingle(SystemItems[48], image, value);
}

std::uint32_t GetRotarySelectorMode(const CloneImage& image) {
    return GetSingle(SystemItems[49], image);
}
int SetRotarySelectorMode(CloneImage& image, std::uint32_t value) {
    return SetSingle(SystemItems[49], image, value);
}

std::uint32_t GetChSelectorChMode(const CloneImage& image) {
    return GetSingle(SystemItems[50], image);
}
int SetChSelectorChMode(CloneImage& image, std::uint32_t value) {
    return SetSingle(SystemItems[50], image, value);
}

std::uint32_t GetExternalPtt(const CloneImage& image) {
    return GetSingle(SystemItems[51], image);
}
int SetExternalPtt(CloneImage& image, std::uint32_t value) {
    return SetSingle(SystemItems[51], image, value);
}

std::uint32_t GetOltaMode(const CloneImage& image) {
    return GetSingle(SystemItems[52], image);
}
int SetOltaMode(CloneImage& image, std::uint32_t value) {
    return SetSingle(SystemItems[52], image, value);
}

std::uint32_t GetOltaTxTime(const CloneImage& image) {
    return GetSingle(SystemItems[53], image);
}
int SetOltaTxTime(CloneImage& image, std::uint32_t value) {
    return SetSingle(SystemItems[53], image, value);
}

std::uint32_t GetOltaBeep(const CloneImage& image) {
    return GetSingle(SystemItems[54], image);
}
int SetOltaBeep(CloneImage& image, std::uint32_t value) {
    return SetSingle(SystemItems[54], image, value);
}

std::uint32_t GetHornAlertTime(const CloneImage& image) {
    return GetSingle(SystemItems[55], image);
}
int SetHornAlertTime(CloneImage& image, std::uint32_t value) {
    return SetSingle(SystemItems[55], image, value);
}

std::uint32_t GetInternalMicGain(const CloneImage& image) {
    return GetSingle(SystemItems[56], image);
}
int SetInternalMicGain(CloneImage& image, std::uint32_t value) {
    return SetSingle(SystemItems[56], image, value);
}

std::uint32_t GetExtMicGain(const CloneImage& image) {
    return GetSingle(SystemItems[57], image);
}
int SetExtMicGain(CloneImage& image, std::uint32_t value) {
    return SetSingle(SystemItems[57], image, value);
}

std::uint32_t GetExtMicGain2(const CloneImage& image) {
    return GetSingle(SystemItems[58], image);
}
int SetExtMicGain2(CloneImage& image, std::uint32_t value) {
    return SetSingle(SystemItems[58], image, value);
}

std::uint32_t GetIgnitionSense(const CloneImage& image) {
    return GetSingle(SystemItems[60], image);
}
int SetIgnitionSense(CloneImage& image, std::uint32_t value) {
    return SetSingle(SystemItems[60], image, value);
}

std::uint32_t GetHornAlertOneTime(const CloneImage& image) {
    return GetSingle(SystemItems[61], image);
}
int SetHornAlertOneTime(CloneImage& image, std::uint32_t value) {
    return SetSingle(SystemItems[61], image, value);
}

std::uint32_t GetVoxMicSelect(const CloneImage& image) {
    return GetSingle(SystemItems[62], image);
}
int SetVoxMicSelect(CloneImage& image, std::uint32_t value) {
    return SetSingle(SystemItems[62], image, value);
}

std::uint32_t GetRadioToRadioClone(const CloneImage& image) {
    return GetSingle(SystemItems[63], image);
}
int SetRadioToRadioClone(CloneImage& image, std::uint32_t value) {
    return SetSingle(SystemItems[63], image, value);
}

std::uint32_t GetUserLedOnTime(const CloneImage& image) {
    return GetSingle(SystemItems[69], image);
}
int SetUserLedOnTime(CloneImage& image, std::uint32_t value) {
    return SetSingle(SystemItems[69], image, value);
}

std::uint32_t GetUserLedOffTime(const CloneImage& image) {
    return GetSingle(SystemItems[70], image);
}
int SetUserLedOffTime(CloneImage& image, std::uint32_t value) {
    return SetSingle(SystemItems[70], image, value);
}

std::uint32_t GetLedColorLowBattery(const CloneImage& image) {
    return GetSingle(SystemItems[72], image);
}
int SetLedColorLowBattery(CloneImage& image, std::uint32_t value) {
    return SetSingle(SystemItems[72], image, value);
}

std::uint32_t GetLedColorTx(const CloneImage& image) {
    return GetSingle(SystemItems[73], image);
}
int SetLedColorTx(CloneImage& image, std::uint32_t value) {
    return SetSingle(SystemItems[73], image, value);
}

std::uint32_t GetLedColorSqlOpenBusy(const CloneImage& image) {
    return GetSingle(SystemItems[74], image);
}
int SetLedColorSqlOpenBusy(CloneImage& image, std::uint32_t value) {
    return SetSingle(SystemItems[74], image, value);
}

std::uint32_t GetLedColorMonitor(const CloneImage& image) {
    return GetSingle(SystemItems[75], image);
}
int SetLedColorMonitor(CloneImage& image, std::uint32_t value) {
    return SetSingle(SystemItems[75], image, value);
}

std::uint32_t GetLedColorScan(const CloneImage& image) {
    return GetSingle(SystemItems[76], image);
}
int SetLedColorScan(CloneImage& image, std::uint32_t value) {
    return SetSingle(SystemItems[76], image, value);
}

std::uint32_t GetLedColorGroup2(const CloneImage& image) {
    return GetSingle(SystemItems[77], image);
}
int SetLedColorGroup2(CloneImage& image, std::uint32_t value) {
    return SetSingle(SystemItems[77], image, value);
}

std::uint32_t GetLedColorLowPower(const CloneImage& image) {
    return GetSingle(SystemItems[78], image);
}
int SetLedColorLowPower(CloneImage& image, std::uint32_t value) {
    return SetSingle(SystemItems[78], image, value);
}

std::uint32_t GetLedColorEncryption(const CloneImage& image) {
    return GetSingle(SystemItems[79], image);
}
int SetLedColorEncryption(CloneImage& image, std::uint32_t value) {
    return SetSingle(SystemItems[79], image, value);
}

std::uint32_t GetLedColorVox(const CloneImage& image) {
    return GetSingle(SystemItems[80], image);
}
int SetLedColorVox(CloneImage& image, std::uint32_t value) {
    return SetSingle(SystemItems[80], image, value);
}

std::uint32_t GetPanelLedA(const CloneImage& image) {
    return GetSingle(SystemItems[81], image);
}
int SetPanelLedA(CloneImage& image, std::uint32_t value) {
    return SetSingle(SystemItems[81], image, value);
}

std::uint32_t GetPanelLedB(const CloneImage& image) {
    return GetSingle(SystemItems[82], image);
}
int SetPanelLedB(CloneImage& image, std::uint32_t value) {
    return SetSingle(SystemItems[82], image, value);
}

std::uint32_t GetEmergencyRevertCh(const CloneImage& image) {
    return GetSingle(SystemItems[128], image);
}
int SetEmergencyRevertCh(CloneImage& image, std::uint32_t value) {
    return SetSingle(SystemItems[128], image, value);
}

std::uint32_t GetEmergencyChannel(const CloneImage& image) {
    return GetSingle(SystemItems[129], image);
}
int SetEmergencyChannel(CloneImage& image, std::uint32_t value) {
    return SetSingle(SystemItems[129], image, value);
}

std::uint32_t GetEmergencySelectZone(const CloneImage& image) {
    return GetSingle(SystemItems[130], image);
}
int SetEmergencySelectZone(CloneImage& image, std::uint32_t value) {
    return SetSingle(SystemItems[130], image, value);
}

std::uint32_t GetEmergencySelectChannel(const CloneImage& image) {
    return GetSingle(SystemItems[131], image);
}
int SetEmergencySelectChannel(CloneImage& image, std::uint32_t value) {
    return SetSingle(SystemItems[131], image, value);
}

std::uint32_t GetEmergencyKeyHoldTime(const CloneImage& image) {
    return GetSingle(SystemItems[132], image);
}
int SetEmergencyKeyHoldTime(CloneImage& image, std::uint32_t value) {
    return SetSingle(SystemItems[132], image, value);
}

std::uint32_t GetEmergencyContinuousTime(const CloneImage& image) {
    return GetSingle(SystemItems[133], image);
}
int SetEmergencyContinuousTime(CloneImage& image, std::uint32_t value) {
    return SetSingle(SystemItems[133], image, value);
}

std::uint32_t GetEmergencyTxTime(const CloneImage& image) {
    return GetSingle(SystemItems[134], image);
}
int SetEmergencyTxTime(CloneImage& image, std::uint32_t value) {
    return SetSingle(SystemItems[134], image, value);
}

std::uint32_t GetEmergencyRxTime(const CloneImage& image) {
    return GetSingle(SystemItems[135], image);
}
int SetEmergencyRxTime(CloneImage& image, std::uint32_t value) {
    return SetSingle(SystemItems[135], image, value);
}

std::uint32_t GetEmergencySilentMode(const CloneImage& image) {
    return GetSingle(SystemItems[136], image);
}
int SetEmergencySilentMode(CloneImage& image, std::uint32_t value) {
    return SetSingle(SystemItems[136], image, value);
}

std::uint32_t GetEmergencyLed(const CloneImage& image) {
    return GetSingle(SystemItems[137], image);
}
int SetEmergencyLed(CloneImage& image, std::uint32_t value) {
    return SetSingle(SystemItems[137], image, value);
}

std::uint32_t GetEmergencyAf(const CloneImage& image) {
    return GetSingle(SystemItems[140], image);
}
int SetEmergencyAf(CloneImage& image, std::uint32_t value) {
    return SetSingle(SystemItems[140], image, value);
}

std::uint32_t GetEmergencyKeyInhibit(const CloneImage& image) {
    return GetSingle(SystemItems[141], image);
}
int SetEmergencyKeyInhibit(CloneImage& image, std::uint32_t value) {
    return SetSingle(SystemItems[141], image, value);
}

std::uint32_t GetEmergencyReceiveFlash(const CloneImage& image) {
    return GetSingle(SystemItems[142], image);
}
int SetEmergencyReceiveFlash(CloneImage& image, std::uint32_t value) {
    return SetSingle(SystemItems[142], image, value);
}

std::uint32_t GetEmergencyLcdBacklight(const CloneImage& image) {
    return GetSingle(SystemItems[143], image);
}
int SetEmergencyLcdBacklight(CloneImage& image, std::uint32_t value) {
    return SetSingle(SystemItems[143], image, value);
}

std::uint32_t GetEmergencyDisplay(const CloneImage& image) {
    return GetSingle(SystemItems[144], image);
}
int SetEmergencyDisplay(CloneImage& image, std::uint32_t value) {
    return SetSingle(SystemItems[144], image, value);
}

std::uint32_t GetLoneWorkerTimer(const CloneImage& image) {
    return GetSingle(SystemItems[145], image);
}
int SetLoneWorkerTimer(CloneImage& image, std::uint32_t value) {
    return SetSingle(SystemItems[145], image, value);
}

std::uint32_t GetEmergencyMicLevel(const CloneImage& image) {
    return GetSingle(SystemItems[148], image);
}
int SetEmergencyMicLevel(CloneImage& image, std::uint32_t value) {
    return SetSingle(SystemItems[148], image, value);
}

std::string GetEmergencyTag(const CloneImage& image) {
    return GetText8(SystemItems[149], image);
}
int SetEmergencyTag(CloneImage& image, std::string_view text) {
    return SetText8(SystemItems[149], image, text);
}

std::uint32_t GetProgrammingPasswordOn(const CloneImage& image) {
    return GetSingle(SystemItems[157], image);
}
int SetProgrammingPasswordOn(CloneImage& image, std::uint32_t value) {
    return SetSingle(SystemItems[157], image, value);
}

std::uint32_t GetProgrammingPasswordDigit1(const CloneImage& image) {
    return GetSingle(SystemItems[158], image);
}
int SetProgrammingPasswordDigit1(CloneImage& image, std::uint32_t value) {
    return SetSingle(SystemItems[158], image, value);
}

std::uint32_t GetProgrammingPasswordDigit2(const CloneImage& image) {
    return GetSingle(SystemItems[159], image);
}
int SetProgrammingPasswordDigit2(CloneImage& image, std::uint32_t value) {
    return SetSingle(SystemItems[159], image, value);
}

std::uint32_t GetProgrammingPasswordDigit3(const CloneImage& image) {
    return GetSingle(SystemItems[160], image);
}
int SetProgrammingPasswordDigit3(CloneImage& image, std::uint32_t value) {
    return SetSingle(SystemItems[160], image, value);
}

std::uint32_t GetProgrammingPasswordDigit4(const CloneImage& image) {
    return GetSingle(SystemItems[161], image);
}
int SetProgrammingPasswordDigit4(CloneImage& image, std::uint32_t value) {
    return SetSingle(SystemItems[161], image, value);
}

std::uint32_t GetProgrammingPasswordDigit5(const CloneImage& image) {
    return GetSingle(SystemItems[162], image);
}
int SetProgrammingPasswordDigit5(CloneImage& image, std::uint32_t value) {
    return SetSingle(SystemItems[162], image, value);
}

std::uint32_t GetProgrammingPasswordDigit6(const CloneImage& image) {
    return GetSingle(SystemItems[163], image);
}
int SetProgrammingPasswordDigit6(CloneImage& image, std::uint32_t value) {
    return SetSingle(SystemItems[163], image, value);
}

std::string GetText2600(const CloneImage& image) {
    return GetText32(SystemItems[164], image);
}

std::string GetInfoText(const CloneImage& image) {
    return GetText32(SystemItems[165], image);
}
int SetInfoText(CloneImage& image, std::string_view text) {
    return SetText32(SystemItems[165], image, text);
}

}  // namespace ItemMap
