#include "app/settings/SettingsPage.h"

#include "app/Session.h"

SettingsPage::SettingsPage(Session& session, QWidget* parent)
    : QWidget(parent), session_(session)
{
}

void SettingsPage::refresh()
{
}
