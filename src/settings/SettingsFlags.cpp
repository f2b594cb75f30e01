#include "settings/SettingsFlags.h"

namespace Settings {

int& OverWriteFlag() {
    static int flag = 0;
    return flag;
}

int& SerialWriteFlag() {
    static int flag = 0;
    return flag;
}

int& SerialStepFlag() {
    static int flag = 0;
    return flag;
}

void ClearImageFlags() {
    OverWriteFlag() = 0;
    SerialWriteFlag() = 0;
}

}  // namespace Settings
