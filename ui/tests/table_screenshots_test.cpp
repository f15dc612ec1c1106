// Writes pictures of a dealt table at every window size to build/artifacts/table,
// for a person to look at; checks that each shows the cards of the deal.
#include "engine/testing/recording_host.h"
#include "engine/testing/table_builder.h"
#include "ui/art/card_images.h"
#include "ui/table_view.h"
#include "ui/testing/qt_test_app.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>

#include <gtest/gtest.h>

using namespace tarvelo;

TEST(TableScreenshots, DealtTableAtEverySize) {
  TestApp();
  const QString folder = QCoreApplication::applicationDirPath() + "/../artifacts/table";
  QDir().mkpath(folder);
  for (int size = 0; size < WindowSizeCount; ++size) {
    TRecordingHost host(11);
    TGame game(host);
    game.Layout = ComputeLayout(size);
    game.ResetAnchors();
    game.Table.PlayerDrawsFirst = true;
    game.DealHand(false);
    // A table in mid-hand: canastas and melds on both sides beside the deal.
    TTableBuilder(game).Build(
        "hand: 4H 4S 6D 7C 7S 9H JD QS QH KC AS 2C JK; melds: 3H KH KS KD KC KH KS 2D>K AH AD AC; "
        "opp: 5S 5C 8D 8H TC TS JC QD 6H; oppmelds: 3D 9S 9C 9D 9S 9C 9D 9H TH TD 2S>T; pile: 5D 8S 6C");
    game.Table.PileFrozen = true;
    TTableView view(game);
    view.resize(WindowSizes[size].Width, WindowSizes[size].Height - 48);
    view.SetCardImages(BuildCardImages(size, {}, 1.0));
    view.SetPaintingAllowed(true);
    QImage image(view.size(), QImage::Format_RGB32);
    view.render(&image);
    const QString path = QString("%1/table-%2.png").arg(folder, QString::fromLatin1(WindowSizes[size].Name.data()));
    ASSERT_TRUE(image.save(path)) << path.toStdString();
    // The first hand card shows its face: not the table's green at its centre.
    const TCard& card = game.Table.PlayerHand.Cards[0];
    EXPECT_NE(image.pixelColor(card.X + game.Layout.CardWidth / 2, card.Y + 20), QColor(0, 128, 0)) << size;
  }
}
