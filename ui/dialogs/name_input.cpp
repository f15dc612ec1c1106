#include "ui/dialogs/name_input.h"

#include "store/player_profiles.h"
#include "ui/dialogs/plain_text.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace tarvelo {

TNameInput::TNameInput(const QString& caption, const QString& prompt, const QString& preset, QWidget* parent)
    : QDialog(parent), edName_(new QLineEdit(this)) {
  setWindowTitle(caption);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(PlainLabel(prompt, this));
  edName_->setObjectName(QStringLiteral("edName"));
  edName_->setMaxLength(MaxNameLength);
  edName_->setText(preset);
  edName_->selectAll();
  edName_->setMinimumWidth(260);
  layout->addWidget(edName_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
}

QString TNameInput::Name() const { return edName_->text(); }

std::optional<QString> AskName(QWidget* parent, const QString& caption, const QString& prompt, const QString& preset) {
  TNameInput input(caption, prompt, preset, parent);
  if (input.exec() != QDialog::Accepted) return std::nullopt;
  return input.Name();
}

}  // namespace tarvelo
