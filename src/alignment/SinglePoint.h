#pragma once
// The single-point alignment dialogs without a window: one radio-wide value
// (DTMF deviation, reference frequency, sequential-tone deviation) aligned at
// alignment point 7 while the radio transmits. The value lives in the
// EEPROM alignment block; OK stores it and names the operation that writes
// the alignment items into the radio.
#include <array>
#include <string>

#include "alignment/ChannelAdjust.h"
#include "image/CloneImage.h"

class PXComCommandRetry;

class SinglePoint {
  public:
    enum class Kind { Dtmf, Frequency, SeqTone };
    enum Flags { Stop = 1, Receive = 2, Transmit = 4, LiveValue = 8 };
    enum class Ptt { Keyed, Stopped, Failed };

    struct Spec {
        Kind kind;
        ChannelAdjust::DialogClass dialogClass;
        int templateId;
        const char* title;
        int maxItem;      // alignment layout item that bounds the value
        int headerByte;   // the value in the EEPROM alignment block
        int defaultByte;  // its factory value in page 15
        int operation;    // writes the alignment items after OK
    };
    static Spec For(Kind kind);

    SinglePoint(CloneImage& image, Kind kind, PXComCommandRetry* radio, int point = 7);

    const Spec& Info() const { return spec_; }
    int DialogNumber() const;
    int Point() const { return point_; }
    int Maximum() const { return maximum_; }
    std::array<int, 5> Scale() const;
    double Frequency() const;
    int Value() const { return value_; }
    int DefaultValue() const;
    bool Transmitting() const { return transmitting_; }
    bool OkEnabled() const { return !transmitting_; }

    // The radio was put on the point and into receive before the dialog opened.
    void Open() { open_ = true; }
    bool SendCommands(int flags);
    // A new value (clamped); while transmitting it goes out at once.
    bool SetValue(int value);
    Ptt OnPtt();
    // OK: transmit stopped, the value stored with its checksums; false
    // (image unchanged) when the radio would not stop.
    bool Finish();
    bool StopForCancel();

  private:
    int HeaderValue() const;

    CloneImage& image_;
    Spec spec_;
    PXComCommandRetry* radio_;
    int point_;
    int maximum_ = 255;
    int value_ = 0;
    bool transmitting_ = false;
    bool open_ = false;
};
