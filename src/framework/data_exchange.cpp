#include "data_exchange.h"

#include <vector>

namespace fw {

void DataExchange::Text(int id, std::string& value) const
{
    HWND control = GetDlgItem(m_dialog, id);
    if (!m_save) {
        SetWindowTextA(control, value.c_str());
        return;
    }
    std::vector<char> buffer(GetWindowTextLengthA(control) + 1);
    const int length = GetWindowTextA(control, buffer.data(), static_cast<int>(buffer.size()));
    value.assign(buffer.data(), length > 0 ? length : 0);
}

void DataExchange::Control(int id, Button& control) const
{
    if (!control.m_hWnd)
        control.m_hWnd = GetDlgItem(m_dialog, id);
}

}  // namespace fw
