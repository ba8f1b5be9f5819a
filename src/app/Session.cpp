#include "app/Session.h"

#include "app/QtText.h"
#include "core/Errors.h"

void Session::reportError(QWidget* parent, const std::exception& e)
{
    // Engine messages are Windows-1251; anything else comes from the library in ASCII.
    const bool engineText = dynamic_cast<const kalimor::KalimorError*>(&e) != nullptr;
    prompts.error(parent, engineText ? qs(e.what()) : QString::fromLocal8Bit(e.what()));
}
