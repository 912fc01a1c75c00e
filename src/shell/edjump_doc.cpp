#include "edjump_doc.h"

void CEdjumpDoc::Serialize(fw::Archive&)
{
}

bool CEdjumpDoc::OnNewDocument()
{
    return fw::Document::OnNewDocument();
}
