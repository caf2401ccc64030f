#pragma once

#include <QString>
#include <QStringList>

namespace app::help {

// The help files and the two "Getting started" documents the program carries.
QStringList HelpDocumentNames();

// Puts every carried help document into `folder` when it is not there yet; a file the
// user already has is left alone. Returns the names that could not be written.
QStringList InstallHelpFiles(const QString& folder);

// "comment_demarrer.pdf" for French, "getting_started.pdf" for every other language.
QString GettingStartedFileName(bool french);

}  // namespace app::help
