#pragma once
// The port configuration dialog (dialog 602, "Configuration"): the serial
// port, tagged with the cable found behind it, and the baud rate. The port
// box also takes a typed device path (a pseudo-terminal, a link). OK keeps
// the choice and writes it to the settings file; Cancel changes nothing.
#include <wx/dialog.h>

#include <memory>

#include "serial/PortConfiguration.h"

class wxButton;
class wxChoice;
class wxComboBox;

class CFileConfigDlg : public wxDialog {
  public:
    enum {
        IDD = 602,
        IDC_GROUP = 3202,
        IDC_PORT_CAPTION = 2001,
        IDC_PORT = 2101,
        IDC_BAUD_CAPTION = 2002,
        IDC_BAUD = 2102,
        IDC_HELP = 2450,
        IDC_OK = 1,
        IDC_CANCEL = 1096,
    };
    // Caution on a plain cable at 19200 baud or more.
    static constexpr int CautionCaptionId = 111, CautionTextId = 112;

    CFileConfigDlg(wxWindow* parent, const PortConfig& current, const PortSources& sources = {});

    // The configuration as OK left it (as given until then).
    const PortConfig& Config() const { return config_; }

    wxComboBox* PortBox() const { return port_; }
    wxChoice* BaudBox() const { return baud_; }
    const PortConfiguration::Model& Model() const { return *model_; }

    // The handlers, reachable for tests.
    void OnOK();
    void OnCancel();
    void OnSelChangePort();

  private:
    void ApplyBaudRestriction();
    // The port as the program names it (a listed row in the language in
    // force gives back its own text).
    std::string PortText() const;
    void OnCharHook(wxKeyEvent& event);

    PortConfig config_;
    std::unique_ptr<PortConfiguration::Model> model_;
    ItemList baudList_ = PortConfiguration::BaudRateList;
    wxComboBox* port_ = nullptr;
    wxChoice* baud_ = nullptr;
    wxButton* ok_ = nullptr;
};
