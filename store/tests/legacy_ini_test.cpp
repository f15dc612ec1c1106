#include "store/legacy_ini.h"

#include <gtest/gtest.h>

using namespace tarvelo;

namespace {

TEST(LegacyIni, ReadsNamesWithoutRegardToCaseAndTextsExactly) {
  TLegacyIni ini;
  ini.Parse(
      "; written by an old version\r\n"
      "Orphan=before any section\r\n"
      "[Other]\r\n"
      "Sound=No\r\n"
      "[tarvelo settings]\r\n"
      "  SOUND = yes  \r\n"
      "Sound=Yes\r\n"
      "Music=\"On\"\r\n"
      "AutoSave='Yes'\r\n"
      "Version=415 and more\r\n"
      "Draw Extra=\r\n"
      "no equals sign here\r\n"
      "=nameless\r\n"
      "Three Block=Yes ; not a comment\r\n");
  const QString section = "Tarvelo Settings";
  EXPECT_EQ(ini.Text(section, "Sound", "x"), "yes");  // the first of two, its text untouched
  EXPECT_EQ(ini.Text("OTHER", "sound", "x"), "No");
  EXPECT_EQ(ini.Text(section, "Music", "x"), "On");
  EXPECT_EQ(ini.Text(section, "AutoSave", "x"), "Yes");
  EXPECT_EQ(ini.Text(section, "Draw Extra", "x"), "");
  EXPECT_EQ(ini.Text(section, "Three Block", "x"), "Yes ; not a comment");
  EXPECT_EQ(ini.Text(section, "Orphan", "x"), "x");
  EXPECT_EQ(ini.Text(section, "", "x"), "x");
  EXPECT_EQ(ini.Text(section, "Missing", "x"), "x");
  EXPECT_EQ(ini.Integer(section, "Version", 0), 415);
  EXPECT_EQ(ini.Integer(section, "Music", 7), 0);  // no digits
  EXPECT_EQ(ini.Integer(section, "Missing", 7), 7);
}

TEST(LegacyIni, GarbageGivesDefaults) {
  TLegacyIni ini;
  ini.Parse(QByteArray("\xff\xfe[Tarvelo Settings\n\0Version=300\n[", 34));
  EXPECT_EQ(ini.Integer("Tarvelo Settings", "Version", 0), 0);
  ini.Parse("[Tarvelo Settings]\nVersion=99999999999999\n");
  EXPECT_EQ(ini.Integer("Tarvelo Settings", "Version", 0), 999999999);  // nine digits at most
  EXPECT_FALSE(ini.Load("/nonexistent/tarvelo.ini"));
  EXPECT_EQ(ini.Integer("Tarvelo Settings", "Version", 5), 5);
}

}  // namespace
