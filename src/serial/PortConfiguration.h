#pragma once
// The port configuration without a window: the port rows of the dialog, the
// baud rates offered for the chosen cable, and what OK keeps. The dialog
// renders this model and writes what OK returns into the settings file.
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "image/ItemList.h"
#include "serial/ComPortTable.h"

// The process-wide choice every radio operation opens its port with.
struct PortConfig {
    std::string port;  // device path; "" when none is configured
    int cableType = CableType::Plain;
    int baudRate = 230400;
    bool operator==(const PortConfig&) const = default;
};

namespace PortConfiguration {

inline constexpr const char* Section = "Configure";
inline constexpr const char* PortKey = "ComPort";
inline constexpr const char* BaudRateKey = "BaudRate";
inline constexpr const char* CableTypeKey = "ComType";

inline constexpr ST_DISPDATA BaudRateRows[] = {
    {38400, "38400", ""}, {115200, "115200", ""}, {230400, "230400", ""}, {-1, "", ""}};
// The cables of types 2 and 3 carry at most 115200 baud.
inline constexpr ST_DISPDATA RestrictedBaudRateRows[] = {
    {38400, "38400", ""}, {115200, "115200", ""}, {-1, "", ""}};
inline constexpr ItemList BaudRateList{BaudRateRows};
inline constexpr ItemList RestrictedBaudRateList{RestrictedBaudRateRows};

inline constexpr int FirstBaudRate = 38400;
inline constexpr int RestrictedDefault = 115200;
// Rates from this one up draw the caution on a plain cable.
inline constexpr int CautionBaudRate = 19200;

bool IsRestrictedCable(int cableType);
// The list the baud box offers for a cable type.
ItemList BaudListFor(int cableType);
bool IsListedBaudRate(int rate);
// A saved rate the list lacks becomes the list's first rate.
int ValidBaudRate(int saved);
// The rate the baud box shows for the cable: for a restricted cable the
// current rate when it is offered, else 115200; otherwise the current rate.
int RestrictedSelection(int cableType, int currentRate);
// Whether OK warns about the rate: neither cable 2, 3 nor 4, and 19200 or more.
bool NeedsCaution(int cableType, int baudRate);

// A typed port: "" when `text` is an absolute path of an existing character
// device (symlinks followed); otherwise the reason it is refused.
std::string CheckTypedPort(const std::string& text);

class Model {
  public:
    Model(ComPortTable table, PortConfig current);

    // The port box: one row per entry with a label, in table order.
    const std::vector<std::string>& PortRows() const { return rows_; }
    // The row the box starts on: the configured port's; -1 when the box
    // starts on a typed path (the configured device exists but no row names
    // it) or is empty; otherwise row 0.
    int InitialRow() const { return initialRow_; }
    // The text the box starts with: the label of InitialRow, or the typed path.
    std::string InitialText() const;
    // The port a box text stands for: a row label gives its entry, any other
    // non-empty text a typed path (the cable type of the enumerated port it
    // resolves to, else a plain cable); nothing for an empty text.
    bool PortForText(const std::string& text, ComPortEntry& out) const;
    // "" when OK may take the text; otherwise why a typed path is refused.
    std::string Refusal(const std::string& portText) const;
    const ComPortTable& Table() const { return table_; }

    struct Baud {
        ItemList list;
        int selected;
    };
    // The baud box after the port box shows `portText` with the baud box on
    // `currentRate`.
    Baud BaudFor(const std::string& portText, int currentRate) const;

    struct Outcome {
        PortConfig config;
        // ("ComPort", ...), ("BaudRate", ...), ("ComType", ...), in this order.
        std::vector<std::pair<std::string, std::string>> writes;
        bool caution = false;
    };
    // OK with the port box showing `portText` and the baud box `baudRate`
    // (-1: nothing selected). A port leaves the current rate when no baud
    // row is selected.
    Outcome Ok(const std::string& portText, int baudRate) const;

  private:
    ComPortTable table_;
    PortConfig current_;
    std::vector<std::string> rows_;
    std::vector<int> rowEntry_;  // row -> table index
    int initialRow_ = -1;
    bool typed_ = false;
};

}  // namespace PortConfiguration
