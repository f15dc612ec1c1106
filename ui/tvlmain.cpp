#include "ui/tvlmain.h"

#include "store/setting_keys.h"
#include "ui/art/card_canvas.h"
#include "ui/help_window.h"
#include "ui/screen_fit.h"
#include "ui/small_windows.h"
#include "ui/status_bar.h"
#include "ui/table_view.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QVBoxLayout>

namespace tarvelo {

TfmTvlMain::TfmTvlMain(TSession& session, TWindowHooks hooks, QWidget* parent)
    : QMainWindow(parent), Hooks(std::move(hooks)), session_(session), settings_(session.Settings()) {
  FormCreate();
}

// A window that goes away leaves the table unseen rather than the session with a dangling display.
TfmTvlMain::~TfmTvlMain() { session_.SetDisplay(nullptr); }

void TfmTvlMain::FormCreate() {
  setWindowTitle("Tarvelo 5.0");
  SetBusy(true);
  view_ = new TTableView(session_.Game(), this);
  setCentralWidget(view_);
  // The table holds the keys: a menu opened from the keyboard hands them back to
  // it when it is left, and a click on the table takes them back from the menu bar.
  view_->setFocusPolicy(Qt::ClickFocus);
  view_->setFocus();
  status_ = new TStatusBar(this);
  setStatusBar(status_);
  bnEndHand_ = new QPushButton("End Hand", view_);
  bnEndHand_->setObjectName("bnEndHand");
  bnEndHand_->setFixedSize(75, 25);
  bnEndHand_->hide();
  bnEndHand_->setFocusPolicy(Qt::NoFocus);
  connect(bnEndHand_, &QPushButton::clicked, this, [this] { session_.EndHand(); });
  connect(view_, &TTableView::tableClicked, this, [this](MouseButton button, QPoint at, ShiftState shift) {
    session_.PlayerClick(button, at.x(), at.y(), shift);
  });
  connect(&session_, &TSession::tableChanged, this, &TfmTvlMain::UpdatePanels);
  connect(view_, &TTableView::mouseMovedOverTable, this, &TfmTvlMain::ReleaseNetText);
  // Long columns close up above the status bar: the game learns where the table ends.
  connect(view_, &TTableView::tableResized, this, [this] {
    if (view_->PaintingAllowed()) session_.ApplyLayout(TableLayout());
  });
  BuildMenus();
  menuBar()->installEventFilter(this);
  ReadSettings();
  SizeWindow();

  tmWhoseTurn.setSingleShot(true);
  tmWhoseTurn.setInterval(1500);
  connect(&tmWhoseTurn, &QTimer::timeout, this, [this] {
    if (whoseTurn_) whoseTurn_->close();
    if (resultWindow_) resultWindow_->raise();
  });
  tmSplash.setSingleShot(true);
  tmSplash.setInterval(2000);
  connect(&tmSplash, &QTimer::timeout, this, &TfmTvlMain::EndStartUp);
  SetBusy(false);
  tmSplash.start();
}

void TfmTvlMain::ReadSettings() {
  view_->SetTableColor(ColorFromBgr(ReadSetting(settings_, Setting::BackgroundColor)));
  const QScreen* screen = QGuiApplication::primaryScreen();
  const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
  MaxSizeIndex = tarvelo::MaxSizeIndex(available);
  status_->setVisible(ReadSetting(settings_, Setting::ShowStatusbar));
  const QString stored = QString::fromStdString(
      settings_.ReadString(Setting::Resolution.Path, DefaultResolutionText(MaxSizeIndex).toStdString()));
  const TResolution resolution = ParseResolution(stored, available.size(), MaxSizeIndex);
  SizeIndex = resolution.SizeIndex;
  startPosition_ = QPoint(resolution.Left, resolution.Top);
}

void TfmTvlMain::SizeWindow() {
  const TWindowSize& size = WindowSizes[SizeIndex];
  const QScreen* screen = QGuiApplication::primaryScreen();
  const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, size.Width, size.Height);
  if (screen && size.Width == screen->geometry().width()) {
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    setWindowFlags(windowFlags() | Qt::WindowMaximizeButtonHint);
    // Without a window manager to maximize it, the window still covers the screen.
    setGeometry(available);
    setWindowState(Qt::WindowMaximized);
  } else {
    setWindowFlags((windowFlags() | Qt::WindowMinimizeButtonHint) & ~Qt::WindowMaximizeButtonHint);
    setWindowState(Qt::WindowNoState);
    setFixedSize(size.Width, size.Height);
    move(KeepOnScreen(startPosition_, QSize(size.Width, size.Height), available));
  }
  PlaceEndHandButton();
}

TLayout TfmTvlMain::TableLayout() const {
  TLayout layout = ComputeLayout(SizeIndex, WindowSizes[SizeIndex].Width);
  layout.TableBottom = view_->height();
  return layout;
}

void TfmTvlMain::PlaceEndHandButton() { bnEndHand_->move(WindowSizes[SizeIndex].Width - 75 - 10, 2); }

void TfmTvlMain::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  // The splash goes up over the table once the table's window is on its way to
  // the screen, so that the window itself appears first.
  if (tmSplash.isActive() && !splashShown_) {
    splashShown_ = true;
    QTimer::singleShot(0, this, [this] {
      if (!tmSplash.isActive()) return;
      splash_ = std::make_unique<TfmSplash>();
      splash_->show();
    });
  }
}

void TfmTvlMain::EndStartUp() {
  tmSplash.stop();
  if (splash_) splash_->close();
  splash_.reset();
  session_.ApplyLayout(TableLayout());
  session_.ResetAnchors();
  ApplyBacks();
  view_->SetPaintingAllowed(true);
  emit startUpEnded();
  UpdatePanels();
}

void TfmTvlMain::ApplySize(int newSizeIndex) {
  newSizeIndex = qBound(0, newSizeIndex, MaxSizeIndex);
  SetBusy(true);
  if (newSizeIndex != SizeIndex) {
    SizeIndex = newSizeIndex;
    startPosition_ = pos();
    SizeWindow();
    session_.ApplyLayout(TableLayout());
    ApplyBacks();
  }
  status_->setVisible(ReadSetting(settings_, Setting::ShowStatusbar));
  SetBusy(false);
}

void TfmTvlMain::ApplyCustomSettings(int newSizeIndex) {
  view_->SetTableColor(ColorFromBgr(ReadSetting(settings_, Setting::BackgroundColor)));
  ApplySize(newSizeIndex);
  session_.ReadMouseOption();
  view_->update();
}

void TfmTvlMain::UpdatePanels() { status_->SetPanels(PanelTexts(Game())); }

bool TfmTvlMain::event(QEvent* event) {
  if (event->type() == CommandEventType) {
    const int parameter = static_cast<TCommandEvent*>(event)->Parameter;
    if (parameter == 0 || parameter == 1) {
      emit customizeRequested(parameter == 0 ? 1 : 3);  // "Players" or "General"
    } else if (parameter >= 2 && parameter <= 4) {
      const int pages[] = {1, 2, 0};  // Red Threes, Canastas, Discard Pile
      EditRules(pages[parameter - 2]);
    }
    return true;
  }
  return QMainWindow::event(event);
}

void TfmTvlMain::closeEvent(QCloseEvent* event) {
  if (!MayClose()) {
    event->ignore();
    return;
  }
  emit closing();
  StartExitSound();
  if (help_) help_->close();
  const TResolution r{qMax(0, pos().x()), qMax(0, pos().y()), SizeIndex};
  WriteSetting(settings_, Setting::Resolution, ResolutionText(r).toStdString());
  FinishExitSound();
  event->accept();
}

}  // namespace tarvelo
