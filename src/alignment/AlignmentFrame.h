#pragma once
// The sixteen-point alignment frame without a window: sixteen rows, one per
// alignment point, each with a value the radio takes live; transmit on one
// point at a time; the adjustment types Basic (three points, the others
// interpolated), All Freq (every row moves together) and Single. A member
// (maximum deviation, ...) says which points, item and values it aligns.
//
// Members: maximum deviation, receiver sensitivity, CTCSS and DCS deviation,
// TX power; each names its points, item, values and command sequence.
//
// Every radio command goes through the shared command object; a sequence
// that fails reports false once and the caller shows "Cmd Request Error!".
// The transmit state changes only when the radio confirmed it.
#include <array>
#include <cstddef>
#include <string>

#include "alignment/ChannelAdjust.h"
#include "image/CloneImage.h"

class PXComCommandRetry;

class AlignmentFrame {
  public:
    static constexpr int Rows = 16;
    // The steps of a live command sequence, sent in this order; what each
    // step sends depends on the member's Sequence.
    enum Flags { Stop = 1, Select = 2, Receive = 4, Transmit = 8, LiveValue = 16, Status = 32 };
    // Stop36: stop 0x36 (0, 0); key-up 0x34, 0x32 <channel setting>, 0x36 by transmit mode; value 0x33.
    // Dcs37: as Stop36 with 0x37 (0) to stop and 0x37 (1) after the channel setting.
    // NoStop: no stop command (leaving transmit only receives); key-up 0x34, 0x32 <setting>; value 0x33.
    // Power: no stop command; key-up 0x34; value 0x32 <value>.
    // Receiver: never transmits; value 0x32 <value>; status 0x31 after 50 ms.
    enum class Sequence { Stop36, Dcs37, NoStop, Power, Receiver };
    // How the factory column shows its byte.
    enum class Defaults { Raw, UnsetShows31, None };
    // What every channel is recomputed from on OK.
    enum class Recalc { MaxDev, Kind, SubAudio, DcsSubAudio, TxPower };
    enum class AdjType { Basic, AllFreq, Single };
    enum class Scroll { LineLeft, LineRight, PageLeft, PageRight, Thumb, Other };
    enum class Ptt { Keyed, Stopped, Failed };

    struct Member {
        ChannelAdjust::DialogClass dialogClass;
        int kind;                   // the sub-item (0 wide, 1 narrow ...)
        int firstPoint;             // the point of row 0
        int transmitMode;           // 0: 0x36 (1000, 2) after key-up; 1: 0x36 (0, 0); else nothing
        int itemNumber;             // of the live item codes (0x33)
        int maxItem;                // alignment layout item that bounds the value
        int recordByte;             // the point's stored value in its channel record
        std::size_t defaultOffset;  // page-15 offset of row 0's factory value (rows 16 apart)
        int headerByte;             // EEPROM alignment byte that takes row 7 on OK
        int calculatorKind;         // the alignment table column the rows are stored in
        int templateId;
        const char* title;
        Sequence sequence = Sequence::Stop36;
        Defaults defaults = Defaults::Raw;
        Recalc recalc = Recalc::MaxDev;
        bool receiveFrequency = false;  // the points' receive frequency instead of transmit
        int itemsOperation = 19;        // writes the stored items into the radio after OK
    };
    // "Max Deviation Alignment (Wide)" (kind 0) and "(Narrow)" (kind 1).
    static Member MaxDev(int kind);
    // Receiver sensitivity: points 0-15 at their receive frequencies.
    static Member RxTune();
    static Member Ctcss(int kind);
    static Member Dcs(int kind);
    // Kinds 0 High, 1 Low3, 2 Low, 3 Low1; Low3 and Low1 store no value.
    static Member TxPower(int kind, bool specialVariant);

    AlignmentFrame(CloneImage& image, const Member& member, PXComCommandRetry* radio);

    const Member& Spec() const { return member_; }
    int DialogNumber() const;
    int Maximum() const { return maximum_; }
    // Scale labels: 0, s, 2s, 3s and the maximum, s = (maximum + 1) / 4.
    std::array<int, 5> Scale() const;
    int Point(int row) const { return member_.firstPoint + row; }
    int Label(int row) const { return Point(row) % 16 + 1; }
    double Frequency(int row) const;
    // The factory value; -1 when the member shows none.
    int DefaultValue(int row) const;
    // The largest value row `row` takes (a power limit on the special variant).
    int RowLimit(int row) const;
    // The last status read: VCV A/D and RSSI (-1 before the first).
    int Vcv() const { return vcv_; }
    int Rssi() const { return rssi_; }
    int Value(int row) const { return values_[static_cast<std::size_t>(row)]; }
    int CurrentRow() const { return currentRow_; }
    bool Transmitting() const { return transmitting_; }
    AdjType Type() const { return type_; }
    bool IsBasicRow(int row) const;
    // Edit, spin and transmit toggle of a row take input.
    bool RowEnabled(int row) const;
    // The row's scroll bar takes input (Basic locks the other rows).
    bool ScrollEnabled(int row) const;
    bool OkEnabled() const { return !transmitting_; }

    // Opening: rows from the points' stored values, Basic, receive on row 0.
    bool Open();
    bool SendPointCommands(int flags, int row);
    bool SetRowValue(int row, int value);
    bool ApplyRowValue(int row, int value);
    bool ScrollRow(int row, Scroll code, int position);
    bool SelectRow(int row);
    Ptt OnPtt(int row);
    void OnAdjType(AdjType type);
    int LowestRow() const;
    int HighestRow() const;

    // OK: the rows completed from the Basic points, transmit stopped, the
    // values stored into the image. False (image unchanged) when the radio
    // would not stop transmitting.
    bool Finish();
    // Cancel: transmit stopped; false when the radio would not stop.
    bool StopForCancel();

    // CTCSS: the tone of row's point when it transmits CTCSS, else "-----".
    std::string TargetTone(int row) const;
    // TX power: the power the meter should read, "5.0", "1.0" or "25.0" watts.
    std::string TargetPower() const;

  private:
    int SelectFlags() const;
    void SnapshotPoints();
    void InterpolateFromBasic();
    void Store();
    int StoredValue(int row) const;

    CloneImage& image_;
    Member member_;
    PXComCommandRetry* radio_;
    int maximum_ = 255;
    std::array<int, Rows> values_{};
    std::array<double, Rows> snapshotFrequency_{};
    std::array<double, Rows> snapshotValue_{};
    int currentRow_ = -1;
    bool transmitting_ = false;
    bool visible_ = false;
    bool powerLimits_ = false;
    int vcv_ = -1, rssi_ = -1;
    AdjType type_ = AdjType::Single;
};
