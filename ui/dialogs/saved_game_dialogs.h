#pragma once

#include <QFileDialog>
#include <QString>

#include <memory>

namespace tarvelo {

// "&Save...": the save dialog in `folder`, proposing `fileName`.
std::unique_ptr<QFileDialog> MakeSaveGameDialog(QWidget* parent, const QString& folder, const QString& fileName);
// "&Load...": the open dialog in `folder`, proposing `fileName`; only an existing file can be chosen.
std::unique_ptr<QFileDialog> MakeLoadGameDialog(QWidget* parent, const QString& folder, const QString& fileName);
// Shows the dialog modally: the path chosen, or an empty text when cancelled.
QString ChooseFile(QFileDialog& dialog);

}  // namespace tarvelo
