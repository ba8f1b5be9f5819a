#include "app/intake/ImportPage.h"

#include "app/Session.h"

ImportPage::ImportPage(Session& session, QWidget* parent)
    : QWidget(parent), session_(session)
{
}

void ImportPage::refresh()
{
}
