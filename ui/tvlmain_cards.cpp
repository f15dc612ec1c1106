// The table window's card pictures and the card-back dialog.
#include "ui/art/card_images.h"
#include "ui/dialogs/deck_dialog.h"
#include "ui/table_view.h"
#include "ui/tvlmain.h"

namespace tarvelo {

SettingsReader TfmTvlMain::Reader() {
  return [this](const QString& path, const QVariant& def) -> QVariant {
    const std::string key = path.toStdString();
    switch (def.typeId()) {
      case QMetaType::Bool:
        return settings_.ReadBool(key, def.toBool());
      case QMetaType::Int:
        return settings_.ReadInt(key, def.toInt());
      default:
        return QString::fromStdString(settings_.ReadString(key, def.toString().toStdString()));
    }
  };
}

SettingsWriter TfmTvlMain::Writer() {
  return [this](const QString& path, const QVariant& value) {
    const std::string key = path.toStdString();
    switch (value.typeId()) {
      case QMetaType::Bool:
        settings_.WriteBool(key, value.toBool());
        break;
      case QMetaType::Int:
        settings_.WriteInt(key, value.toInt());
        break;
      default:
        settings_.WriteString(key, value.toString().toStdString());
    }
  };
}

void TfmTvlMain::ApplyBacks() {
  SetBusy(true);
  backs_ = ReadCardBacks(Reader());
  view_->SetCardImages(BuildCardImages(SizeIndex, backs_, devicePixelRatioF()));
  view_->update();
  SetBusy(false);
}

void TfmTvlMain::EditDecks() {
  TfmDeck dialog(Reader(), Writer(), this);
  // The dialog asks for the backs to be applied on OK and on "&Apply".
  connect(&dialog, &TfmDeck::applyBacks, this, [this] { ApplyBacks(); });
  dialog.exec();
}

}  // namespace tarvelo
