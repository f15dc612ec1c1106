#include "ui/dialogs/saved_game_dialogs.h"

#include <QDir>

namespace tarvelo {

namespace {
std::unique_ptr<QFileDialog> MakeDialog(QWidget* parent, const QString& title, const QString& folder) {
  auto dialog = std::make_unique<QFileDialog>(parent, title, folder);
  dialog->setNameFilters({"Tarvelo Games (*.tvl)", "All Files (*)"});
  dialog->setDefaultSuffix("tvl");
  return dialog;
}
}  // namespace

std::unique_ptr<QFileDialog> MakeSaveGameDialog(QWidget* parent, const QString& folder, const QString& fileName) {
  auto dialog = MakeDialog(parent, "Save Tarvelo Game", folder);
  dialog->setAcceptMode(QFileDialog::AcceptSave);
  // The folder must exist; a file that is there is replaced only when the user agrees.
  dialog->setFileMode(QFileDialog::AnyFile);
  dialog->selectFile(QDir(folder).filePath(fileName));
  return dialog;
}

std::unique_ptr<QFileDialog> MakeLoadGameDialog(QWidget* parent, const QString& folder, const QString& fileName) {
  auto dialog = MakeDialog(parent, "Load Tarvelo Game", folder);
  dialog->setAcceptMode(QFileDialog::AcceptOpen);
  dialog->setFileMode(QFileDialog::ExistingFile);
  // The player's own file is proposed; the dialog accepts only a file that is there.
  dialog->selectFile(QDir(folder).filePath(fileName));
  return dialog;
}

QString ChooseFile(QFileDialog& dialog) {
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().first();
}

}  // namespace tarvelo
