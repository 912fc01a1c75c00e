// Moves values between a dialog's controls and its members, in the direction given.
#pragma once

#include "button.h"

#include <windows.h>

#include <string>

namespace fw {

class DataExchange {
public:
    DataExchange(HWND dialog, bool saveAndValidate) : m_dialog(dialog), m_save(saveAndValidate) {}

    // An edit box's whole text, however long.
    void Text(int id, std::string& value) const;
    // Binds the control the first time; later exchanges leave it alone.
    void Control(int id, Button& control) const;

private:
    HWND m_dialog;
    bool m_save;
};

}  // namespace fw
