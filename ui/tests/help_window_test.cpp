#include "ui/help_window.h"

#include "ui/testing/qt_test_app.h"

#include <QTextBrowser>

#include <gtest/gtest.h>

using namespace tarvelo;

TEST(HelpWindow, EveryTopicOpensItsOwnPage) {
  TestApp();
  THelpWindow help;
  struct Topic {
    int number;
    const char* page;
    const char* heading;
  };
  const Topic topics[] = {
      {0, "qrc:/help/contents.html", "Tarvelo Help"},
      {1000, "qrc:/help/1000.html", "The rules of Canasta"},
      {1001, "qrc:/help/1001.html", "The table"},
      {1003, "qrc:/help/1003.html", "Scoring"},
      {1008, "qrc:/help/1008.html", "Mouse and keyboard"},
      {4711, "qrc:/help/contents.html", "Tarvelo Help"},  // an unknown topic opens the contents
  };
  for (const Topic& topic : topics) {
    help.ShowTopic(topic.number);
    EXPECT_EQ(help.CurrentPage().toStdString(), topic.page) << topic.number;
    const QString text = help.findChild<QTextBrowser*>()->toPlainText();
    EXPECT_TRUE(text.startsWith(topic.heading)) << topic.number << ": " << text.left(80).toStdString();
  }
}
