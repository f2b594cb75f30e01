#pragma once
// The main information in the printed document: the radio's serial number,
// band, product type, firmware version, channel capacity and destination as
// a form of caption and value rows, read from the image being printed. It
// needs no window: the values are the pane's texts for that image.
#include <string>

#include "image/CloneImage.h"
#include "ui/PrintableScreen.h"

class CMainInfoPrint : public PrintableScreen {
  public:
    explicit CMainInfoPrint(const CloneImage& image);

    bool IsDialog() const override { return true; }
    std::string WindowText() const override;
    PrintControl ControlForPrint(int controlId) const override;

  protected:
    PrintCache& ClassCache() override { return CacheOf<CMainInfoPrint>(); }

  private:
    const CloneImage& image_;
};
