#include "ui/help_window.h"

#include <QFile>
#include <QTextBrowser>
#include <QVBoxLayout>

// The pages live in a static library: nothing refers to them, so the linker
// would leave them out unless they are registered by name.
static void RegisterHelpPages() { Q_INIT_RESOURCE(help); }

namespace tarvelo {

THelpWindow::THelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  RegisterHelpPages();
  setWindowTitle("Tarvelo Help");
  resize(620, 560);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  browser_ = new QTextBrowser(this);
  browser_->setOpenExternalLinks(true);
  browser_->setSearchPaths({":/help"});
  layout->addWidget(browser_);
}

QString THelpWindow::PageOf(int topic) {
  const QString page = QString(":/help/%1.html").arg(topic);
  return QFile::exists(page) ? page : ":/help/contents.html";
}

void THelpWindow::ShowTopic(int topic) {
  browser_->setSource(QUrl("qrc" + PageOf(topic)));
  show();
  raise();
  activateWindow();
}

QString THelpWindow::CurrentPage() const { return browser_->source().toString(); }

}  // namespace tarvelo
