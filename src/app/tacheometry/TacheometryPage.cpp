#include "app/tacheometry/TacheometryPage.h"

#include "app/Session.h"

TacheometryPage::TacheometryPage(Session& session, QWidget* parent)
    : QWidget(parent), session_(session)
{
}

void TacheometryPage::refresh()
{
}
