#include "edjump_view.h"

#include "resource.h"
#include "settei_dialog.h"

const fw::MessageEntry CEdjumpView::entries[] = {
    fw::OnCommand<&CEdjumpView::OnSettings>(ID_SETTINGS),
};

const fw::MessageMap CEdjumpView::messageMap = fw::MakeMessageMap(&fw::View::messageMap, CEdjumpView::entries);

void CEdjumpView::OnDraw(HDC)
{
}

// Whatever the dialog stores is in the profile at once; the window keeps no copy.
void CEdjumpView::OnSettings()
{
    CSetteiDialog dialog(App());
    dialog.DoModal();
}
