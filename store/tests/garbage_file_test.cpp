#include "store/registry_enhanced.h"
#include "store/tests/store_fixture.h"

#include <QMap>

#include <gtest/gtest.h>
#include <random>

using namespace tarvelo;

namespace {

class GarbageFileTest : public TStoreTest {
 protected:
  static bool Nameable(const QString& name) { return !name.isEmpty() && !name.contains(u'\\'); }

  // Every value reachable through the store's own listing, with its text. A
  // hand-written name that is empty or holds a backslash cannot be named by a path.
  static QMap<QString, QString> Snapshot(const TRegistryEnhanced& store, const QString& subkey = QString()) {
    QMap<QString, QString> values;
    const QString prefix = subkey.isEmpty() ? QString() : subkey + u'\\';
    for (const QString& name : store.GetValueNames(subkey))
      if (Nameable(name)) values.insert(prefix + name, store.ReadValue(prefix + name, "<unreadable>"));
    for (const QString& key : store.GetKeyNames(subkey))
      if (Nameable(key)) values.insert(Snapshot(store, prefix + key));
    return values;
  }
};

TEST_F(GarbageFileTest, HandEditedAndTruncatedFilesKeepTheirGoodValuesThroughAWrite) {
  const QByteArray cases[] = {
      "[Keep]\nA=kept\n[Settings]\nDelay=3",                           // cut off in a value
      "[Keep]\nA=kept\n[Settings]\nDel",                               // cut off in a name
      "[Keep]\nA=kept\n[Setti",                                        // cut off in a section
      "[Keep]\nA=kept\nthis line is no setting\n=no name\n",           // lines without a name
      "\xEF\xBB\xBF[Keep]\nA=kept\n",                                  // a byte-order mark
      "[Keep]\r\nA=kept\r\n[Settings]\r\nDelay=xyz\r\n",               // CR LF, a word for a number
      "[Keep]\nA=kept\n[Settings]\nDelay=@Variant(\\0\\0\\0\\x7f)\n",  // a variant of no known type
      "[Keep]\nA=kept\n[Settings]\nDelay=\"unterminated\n",
      "[Keep]\nA=kept\n[Settings]\nDelay=\xff\xfe\xc3(\n",  // not UTF-8
      QByteArray("[Keep]\nA=kept\n[Settings]\nDelay=1\0"
                 "2\n",
                 35),  // a NUL byte
      "[Keep]\nA=kept\n[]\nB=1\n[[x]]\nC=2\n",
  };
  for (const QByteArray& content : cases) {
    SCOPED_TRACE(content.toStdString());
    const QString file = PathOf(QStringLiteral("case%1.conf").arg(&content - cases));
    WriteFile(file, content);
    TRegistryEnhanced store(file, QString());
    EXPECT_EQ(store.ReadValue("Keep\\A", ""), "kept");
    const int delay = store.ReadValue("Settings\\Delay", 300);
    EXPECT_TRUE(delay == 300 || delay == 3 || delay == 1) << delay;

    ASSERT_TRUE(store.WriteValue("Settings\\New", 5));
    TRegistryEnhanced fresh(FreshCopy(file), QString());
    EXPECT_EQ(fresh.ReadValue("Keep\\A", ""), "kept");
    EXPECT_EQ(fresh.ReadValue("Settings\\New", 0), 5);
  }
}

TEST_F(GarbageFileTest, RandomBytesNeverCrashAndAWriteLosesNothingElseThatWasReadable) {
  std::mt19937 random(4242);
  const QByteArray pieces[] = {"[Settings]\n",
                               "[Player%20Names]\n",
                               "Sound=1\n",
                               "Delay=300\n",
                               "Level=Expert\n",
                               "PlayerName1=\"Ann,1,2\"\n",
                               "a=b,c\n",
                               "\\",
                               "%",
                               "=",
                               "\"",
                               "@",
                               "[",
                               "]",
                               "\n",
                               ";x\n",
                               "%U00e9=1\n"};
  for (int round = 0; round < 200; ++round) {
    QByteArray content;
    const int parts = 1 + static_cast<int>(random() % 40);
    for (int i = 0; i < parts; ++i) {
      if (random() % 3 == 0)
        content += static_cast<char>(random() % 256);
      else
        content += pieces[random() % std::size(pieces)];
    }
    SCOPED_TRACE(content.toPercentEncoding().toStdString());
    const QString file = PathOf(QStringLiteral("random%1.conf").arg(round));
    WriteFile(file, content);
    TRegistryEnhanced store(file, QString());
    const QMap<QString, QString> before = Snapshot(store);
    EXPECT_EQ(store.ReadValue("Settings\\Card Speed", 10), 10);  // never stored by the pieces

    ASSERT_TRUE(store.WriteValue("Settings\\Card Speed", 7));
    TRegistryEnhanced fresh(FreshCopy(file), QString());
    EXPECT_EQ(fresh.ReadValue("Settings\\Card Speed", 10), 7);
    // What was no text before (a stray "@...") may read as text now; all else is as it was.
    for (auto it = before.cbegin(); it != before.cend(); ++it) {
      if (it.value() == "<unreadable>") continue;
      EXPECT_EQ(fresh.ReadValue(it.key(), "<lost>"), it.value()) << it.key().toStdString();
    }
  }
}

}  // namespace
