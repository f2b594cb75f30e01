#pragma once
// The alignment main dialog without a window: its buttons, the radio
// preparation before a per-channel dialog opens, and the end of the
// alignment (OK writes the tuned alignment with the user's channels from the
// backup, Cancel restores the backup). The backup file is deleted only after
// its data went back into the radio.
#include <functional>
#include <string>

#include "image/CloneImage.h"

class PXComCommandRetry;

namespace AlignmentMain {

inline constexpr int IDD = 205;
inline constexpr int RidFinishQuestion = 33056;
inline constexpr const char* TextFinishQuestion = "Do you finish Alignment feature?";
inline constexpr int RidCmdError = 33059;
inline constexpr const char* TextCmdError = "Cmd Request Error!";
inline constexpr int RidErrorCaption = 107;
inline constexpr const char* TextErrorCaption = "Error";
inline constexpr const char* TextNoSpecification = "no specification";
inline constexpr const char* UnitSection = "CH_BaseLine";
inline constexpr const char* UnitKey = "UNIT";

// What a button opens.
enum class Action {
    None,             // no alignment behind it
    NoSpecification,  // "no specification"
    RxTune,
    Squelch,
    TxPower,
    MaxDev,
    CtcssDev,
    DcsDev,
    Frequency,
    SeqTone,
    Dtmf,
};

// Preparation flags of PrepareAlignment.
inline constexpr int PrepareSelect = 1, PrepareReceive = 2;

struct Button {
    int id;
    const char* text;
    Action action;
    int kind;         // the sub-dialog's kind (wide 0 / narrow 1, power level ...)
    int preparation;  // PrepareSelect | PrepareReceive
    int point;        // the point PrepareSelect selects
};

inline constexpr Button Buttons[] = {
    {2403, "RX Tune", Action::RxTune, 0, PrepareReceive, 0},
    {2420, "SQL", Action::Squelch, 0, PrepareReceive, 0},
    {2405, "TX Power(H)", Action::TxPower, 0, PrepareReceive, 0},
    {2406, "TX Power(L3)", Action::TxPower, 1, PrepareReceive, 0},
    {2407, "TX Power(L)", Action::TxPower, 2, PrepareReceive, 0},
    {2408, "TX Power(L1)", Action::TxPower, 3, PrepareReceive, 0},
    {2409, "Max Dev(W)", Action::MaxDev, 0, PrepareReceive, 0},
    {2410, "Max Dev(N)", Action::MaxDev, 1, PrepareReceive, 0},
    {2411, "Mod Bal(W)", Action::None, 0, 0, 0},
    {2412, "Mod Bal(N)", Action::None, 0, 0, 0},
    {2413, "CTC Dev(W)", Action::CtcssDev, 0, PrepareReceive, 0},
    {2414, "CTC Dev(N)", Action::CtcssDev, 1, PrepareReceive, 0},
    {2415, "DCS Dev(W)", Action::DcsDev, 0, PrepareReceive, 0},
    {2416, "DCS Dev(N)", Action::DcsDev, 1, PrepareReceive, 0},
    {2417, "Normal INT", Action::None, 0, 0, 0},
    {2418, "Normal EXT", Action::None, 0, 0, 0},
    {2419, "Flat AF", Action::None, 0, 0, 0},
    {2422, "Power Limit", Action::NoSpecification, 0, 0, 0},
    {2423, "Frequency", Action::Frequency, 0, PrepareSelect | PrepareReceive, 7},
    {2424, "Seq Tone", Action::SeqTone, 0, PrepareSelect | PrepareReceive, 7},
    {2425, "DTMF", Action::Dtmf, 0, PrepareSelect | PrepareReceive, 7},
    {2426, "Other Items", Action::None, 0, 0, 0},
};

const Button* FindButton(int id);
// The TX Power(H) button aligns level 1 on the special variant.
int TxPowerLevel(const Button& button, const CloneImage& image);
// Whether the button's dialog keeps what the user aligns: the power levels
// Low3 and Low1 store no value, so the special variant, whose TX Power(H)
// opens Low3, offers none of the three.
bool Stores(const Button& button, const CloneImage& image);

// Selects alignment point `point` (record `point`, as the dialogs number
// them) and/or puts the radio into receive; false when a command failed.
bool PrepareAlignment(PXComCommandRetry* radio, int preparation, int point);

enum class Finish {
    Done,              // the radio took it; the backup file is deleted
    Failed,            // the operation failed; the image is the backup's, the backup file stays
    BackupUnreadable,  // nothing was sent: the backup file cannot be read in full
};
// Runs operation 9 (`accept`) or 10 over `run` with the backup loaded over
// a copy of `image`; `image` follows the outcome.
Finish End(bool accept, CloneImage& image, const std::string& backupName,
           const std::function<bool(int operation, CloneImage& working)>& run);

}  // namespace AlignmentMain
