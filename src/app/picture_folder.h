// Where the game reads its card pictures from: the working folder, as always, or the installed game's own.
#pragma once

#include <QDir>
#include <QString>

namespace vantrel::app {

// The folder whose CARDS folder holds the pictures: the working folder whenever it has anything named CARDS;
// otherwise the installed game's data folder (found from the program's own folder, `program_folder`) when
// that has a CARDS folder or one that cannot be looked at (the start-up then reports why); otherwise the
// working folder, whose missing pictures the start-up then reports.
QDir PictureFolder(const QDir& working_folder, const QString& program_folder);

// The folder of the running program, or an empty text where it cannot be known.
QString ProgramFolder();

}  // namespace vantrel::app
