#pragma once

#include <QWidget>

class QTextBrowser;

namespace tarvelo {

// The help pages, compiled into the program, shown by topic number:
// 0 contents, 1000 rules, 1001 screen layout, 1003 scoring, 1008 mouse controls.
class THelpWindow : public QWidget {
  Q_OBJECT
 public:
  explicit THelpWindow(QWidget* parent = nullptr);
  void ShowTopic(int topic);
  static QString PageOf(int topic);  // the resource path of a topic, contents for an unknown one
  QString CurrentPage() const;

 private:
  QTextBrowser* browser_;
};

}  // namespace tarvelo
