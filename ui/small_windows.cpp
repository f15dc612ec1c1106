#include "ui/small_windows.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace tarvelo {

namespace {
void CentreOn(QWidget* w, QWidget* over) {
  const QRect area = over ? over->frameGeometry() : QGuiApplication::primaryScreen()->availableGeometry();
  w->move(area.center() - QPoint(w->width() / 2, w->height() / 2));
}
}  // namespace

TfmSplash::TfmSplash(QWidget* parent) : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
  setFixedSize(229, 141);
  CentreOn(this, nullptr);
}

QString TfmSplash::DesktopName() {
  const QString desktop = qEnvironmentVariable("XDG_CURRENT_DESKTOP").split(':').value(0);
  return desktop.isEmpty() ? "Linux" : desktop;
}

void TfmSplash::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient felt(0, 0, 0, height());
  felt.setColorAt(0, QColor(0, 120, 40));
  felt.setColorAt(1, QColor(0, 70, 20));
  p.fillRect(rect(), felt);
  p.setPen(QPen(QColor(230, 200, 90), 2));
  p.drawRect(rect().adjusted(1, 1, -2, -2));
  QFont title("DejaVu Sans", 26, QFont::Bold);
  p.setFont(title);
  p.setPen(Qt::white);
  p.drawText(QRect(0, 14, width(), 50), Qt::AlignCenter, "Tarvelo");
  p.setFont(QFont("DejaVu Sans", 10));
  p.setPen(QColor(230, 200, 90));
  p.drawText(QRect(0, 64, width(), 22), Qt::AlignCenter, "for " + DesktopName());
  p.setFont(QFont("DejaVu Sans", 8));
  p.setPen(Qt::white);
  p.drawText(QRect(0, 104, width(), 20), Qt::AlignCenter, "Version " TARVELO_VERSION);
}

TfmWhoseTurn::TfmWhoseTurn(const QString& text, QWidget* table)
    : QWidget(table, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), text_(text), table_(table) {
  setAttribute(Qt::WA_DeleteOnClose);
  setAttribute(Qt::WA_ShowWithoutActivating);
  setFixedSize(317, 28);
  CentreOn(this, table);
}

void TfmWhoseTurn::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), palette().window());
  p.setPen(Qt::black);
  p.drawRect(rect().adjusted(0, 0, -1, -1));
  QFont font = this->font();
  font.setBold(true);
  p.setFont(font);
  p.drawText(rect(), Qt::AlignCenter, text_);
}

void TfmWhoseTurn::mousePressEvent(QMouseEvent*) {
  if (table_) {
    table_->raise();
    table_->activateWindow();
  }
}

TfmAbout::TfmAbout(QWidget* parent) : QDialog(parent) {
  setWindowTitle("About Tarvelo");
  auto* layout = new QVBoxLayout(this);
  auto* name = new QLabel("Tarvelo", this);
  name->setFont(QFont("DejaVu Sans", 20, QFont::Bold));
  name->setAlignment(Qt::AlignCenter);
  layout->addWidget(name);
  auto* text = new QLabel("Two-handed Canasta for " + TfmSplash::DesktopName() +
                              "\nVersion " TARVELO_VERSION
                              "\n\nPlay the computer at four levels,\n"
                              "or another person through the internet lobby.",
                          this);
  text->setAlignment(Qt::AlignCenter);
  layout->addWidget(text);
  auto* ok = new QPushButton("OK", this);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  layout->addWidget(ok, 0, Qt::AlignCenter);
}

}  // namespace tarvelo
