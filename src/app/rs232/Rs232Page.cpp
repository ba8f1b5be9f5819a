#include "app/rs232/Rs232Page.h"

#include "app/Session.h"

Rs232Page::Rs232Page(Session& session, QWidget* parent)
    : QWidget(parent), session_(session)
{
}

void Rs232Page::refresh()
{
}
