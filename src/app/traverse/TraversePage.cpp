#include "app/traverse/TraversePage.h"

#include "app/Session.h"

TraversePage::TraversePage(Session& session, QWidget* parent)
    : QWidget(parent), session_(session)
{
}

void TraversePage::refresh()
{
}
