#pragma once
// A sysfs and a /dev tree in a temporary folder, laid out as the kernel and
// udev lay them out, for the port enumeration.
#include <filesystem>
#include <fstream>
#include <string>

#include "TestHost.h"
#include "serial/ComPortTable.h"

class FakeSystem {
  public:
    FakeSystem() {
        std::filesystem::create_directories(sys() / "class" / "tty");
        std::filesystem::create_directories(dev() / "serial" / "by-id");
    }
    std::filesystem::path sys() const { return dir_.path() / "sys"; }
    std::filesystem::path dev() const { return dir_.path() / "dev"; }
    PortSources Sources() const { return {sys(), dev()}; }

    // A USB serial converter (ttyUSB) or modem-class (ttyACM) port: the tty
    // hangs below the interface, the strings sit on the USB device.
    void AddUsb(const std::string& name, const std::string& manufacturer, const std::string& product) {
        const std::string bus = std::to_string(++usbDevices_);
        const std::filesystem::path device = sys() / "devices" / "pci0000:00" / "usb1" / ("1-" + bus);
        const std::filesystem::path iface = device / ("1-" + bus + ":1.0");
        const std::filesystem::path target = name.rfind("ttyACM", 0) == 0 ? iface : iface / name;
        std::filesystem::create_directories(target);
        Write(device / "idVendor", "0403");
        if (!manufacturer.empty()) Write(device / "manufacturer", manufacturer);
        if (!product.empty()) Write(device / "product", product);
        AddClassEntry(name, target);
    }
    // A serial-core port; UART type 0 means no UART behind the name.
    void AddUart(const std::string& name, int uartType) {
        const std::filesystem::path platform = sys() / "devices" / "platform" / "serial8250";
        std::filesystem::create_directories(platform);
        AddClassEntry(name, platform);
        Write(sys() / "class" / "tty" / name / "type", std::to_string(uartType));
    }
    // A console or terminal without a device.
    void AddVirtual(const std::string& name) {
        std::filesystem::create_directories(sys() / "class" / "tty" / name);
    }
    void AddById(const std::string& link, const std::string& name) {
        std::filesystem::create_symlink(std::filesystem::path("../..") / name,
                                        dev() / "serial" / "by-id" / link);
    }

  private:
    void AddClassEntry(const std::string& name, const std::filesystem::path& deviceDir) {
        const std::filesystem::path entry = sys() / "class" / "tty" / name;
        std::filesystem::create_directories(entry);
        std::filesystem::create_directory_symlink(deviceDir, entry / "device");
        std::ofstream(dev() / name).put('\0');
    }
    static void Write(const std::filesystem::path& file, const std::string& text) {
        std::ofstream(file) << text << "\n";
    }

    TempDir dir_;
    int usbDevices_ = 0;
};
