// The document of the main window: it holds nothing, so files are opened without reading and saved empty.
#pragma once

#include "document.h"

class CEdjumpDoc : public fw::Document {
public:
    void Serialize(fw::Archive& archive) override;
    bool OnNewDocument() override;
};
