// The empty client area of the main window; it answers the settings command.
#pragma once

#include "view.h"

class CEdjumpView : public fw::View {
public:
    static const fw::MessageMap messageMap;

protected:
    void OnDraw(HDC dc) override;
    const fw::MessageMap* GetMessageMap() const override { return &messageMap; }

private:
    void OnSettings();

    static const fw::MessageEntry entries[];
};
