// A language switch and the other windows: which ones take it at once, in which order,
// and what stays when the texts of a language cannot be loaded.
#include <QAbstractButton>
#include <QCoreApplication>
#include <QDirIterator>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QTemporaryDir>

#include "app/language_windows.h"
#include "base/catalogue_translator.h"
#include "map/form_help_map.h"
#include "map/form_html.h"
#include "map/form_map.h"
#include "prediction/form_24h.h"
#include "prediction/form_print24h.h"
#include "prediction/panel_explorer.h"
#include "tools/form_dx.h"
#include "tools/form_lune.h"
#include "tools/form_soleil.h"
#include "ui_fixture.h"

namespace app::test {
namespace {

// The order a switch refreshes the open windows in.
const QStringList kSwitchOrder = {
    QStringLiteral("TFormDX"),       QStringLiteral("TFormHelpMap"),
    QStringLiteral("FormDate"),      QStringLiteral("TFormPRINT"),
    QStringLiteral("TFormExtraInfo"), QStringLiteral("TFormMap"),
    QStringLiteral("TFormWEB"),      QStringLiteral("TFormAlarmTLE"),
    QStringLiteral("TFormRename"),   QStringLiteral("TForm24H"),
    QStringLiteral("TFormPrint24H"), QStringLiteral("TFormSoleil"),
    QStringLiteral("TFormLune"),     QStringLiteral("TFormOrbit"),
    QStringLiteral("TFormConv"),     QStringLiteral("TFormHTML"),
    QStringLiteral("TFormHFBeam"),   QStringLiteral("TFormFavorites"),
    QStringLiteral("TFormHelpMyList"),
};

class LanguageUiTest : public UiTest {
 protected:
  void TearDown() override {
    base::SetCatalogueFolderOverride(QString());
    if (form) {
      form->SilentAction = true;
      form->SwitchLanguage(Language::English);
      QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    }
  }
  TForm1& StartComputed(const QStringList& extra = {}) {
    CopySampleElements();
    QStringList keys = {QStringLiteral("PREVIEW=OFF")};
    keys.append(extra);
    WriteSettings({QStringLiteral("25544")}, keys);
    TForm1& f = Start();
    f.TimerFinCreateTimer();
    return f;
  }
  QWidget* Registered(TForm1& f, const QString& name) {
    for (const LanguageWindows::Entry& e : f.LanguageWindowList().Entries())
      if (e.name == name) return e.window;
    return nullptr;
  }
  // Every catalogue the program embeds, `spoilt` replaced by bytes that are none.
  void CopyCataloguesSpoiling(const QString& spoilt) {
    ASSERT_TRUE(catalogues.isValid());
    QDirIterator it(QStringLiteral(":/i18n"));
    while (it.hasNext()) {
      const QString source = it.next();
      const QString target = catalogues.filePath(it.fileName());
      if (it.fileName() == spoilt) {
        QFile f(target);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("not a catalogue");
      } else {
        ASSERT_TRUE(QFile::copy(source, target));
      }
    }
  }
  QTemporaryDir catalogues;
};

TEST_F(LanguageUiTest, OpenChartTakesGermanAtOnceAndAClosedPrintWindowWhenItOpens) {
  TForm1& f = StartComputed();
  prediction::TForm24H* chart = f.Chart24Window();
  prediction::TFormPrint24H* print = chart->PrintWindow();
  chart->show();
  ASSERT_EQ(chart->windowTitle(), QStringLiteral("ORVANE - 24 HOUR TIMETABLE"));
  ASSERT_FALSE(print->isVisible());
  f.MenuDeutsch->trigger();
  // No event processed in between: the switch itself gave the caption.
  EXPECT_EQ(chart->windowTitle(), QStringLiteral("ORVANE - 24 STUNDEPLAN"));
  EXPECT_FALSE(f.LanguageWindowList().LastRun().contains(QStringLiteral("TFormPrint24H")));
  QCoreApplication::sendPostedEvents();
  print->show();
  EXPECT_EQ(print->windowTitle(), QStringLiteral("DRUCKEN 24H"));
  EXPECT_EQ(chart->windowTitle(), QStringLiteral("ORVANE - 24 STUNDEPLAN"));
}

TEST_F(LanguageUiTest, OpenWindowsAreRefreshedInTheirFixedOrder) {
  TForm1& f = StartComputed();
  ASSERT_EQ(f.LanguageWindowList().Names(), kSwitchOrder);
  // A few open, shown in another order than the switch's.
  const QStringList few = {QStringLiteral("TFormHTML"), QStringLiteral("TFormSoleil"),
                           QStringLiteral("TFormDX"), QStringLiteral("TFormRename")};
  for (const QString& name : few) {
    QWidget* w = Registered(f, name);
    ASSERT_NE(w, nullptr) << name.toStdString();
    w->show();
  }
  f.MenuFrancais->trigger();
  EXPECT_EQ(f.LanguageWindowList().LastRun(),
            (QStringList{QStringLiteral("TFormDX"), QStringLiteral("TFormRename"),
                         QStringLiteral("TFormSoleil"), QStringLiteral("TFormHTML")}));
  // Every one open: every handler, in the list's order; none closed by its handler.
  for (const QString& name : kSwitchOrder) Registered(f, name)->show();
  f.MenuEspagnol->trigger();
  EXPECT_EQ(f.LanguageWindowList().LastRun(), kSwitchOrder);
  for (const QString& name : kSwitchOrder)
    EXPECT_TRUE(Registered(f, name)->isVisible()) << name.toStdString();
}

TEST_F(LanguageUiTest, StartUpSwitchesTouchNoOtherWindow) {
  TForm1& f = StartComputed({QStringLiteral("LANGUAGE=DEUTSCH")});
  EXPECT_EQ(f.CurrentLanguage, QStringLiteral("Deutsch"));
  EXPECT_TRUE(f.LanguageWindowList().LastRun().isEmpty());
  // A silent switch leaves an open window alone until the language reaches it by itself.
  f.SunWindow()->show();
  const QString german = f.SunWindow()->windowTitle();
  f.SilentAction = true;
  f.SwitchLanguage(Language::English);
  f.SilentAction = false;
  EXPECT_TRUE(f.LanguageWindowList().LastRun().isEmpty());
  EXPECT_EQ(f.SunWindow()->windowTitle(), german);
  f.MenuItalien->trigger();
  EXPECT_EQ(f.LanguageWindowList().LastRun(), QStringList{QStringLiteral("TFormSoleil")});
}

TEST_F(LanguageUiTest, ACatalogueThatFailsKeepsOpenWindowsMenuAndSettingsAgreeing) {
  TForm1& f = StartComputed();
  prediction::TForm24H* chart = f.Chart24Window();
  chart->show();
  f.MenuFrancais->trigger();
  const QString french = chart->windowTitle();
  ASSERT_NE(french, QStringLiteral("ORVANE - 24 HOUR TIMETABLE"));
  CopyCataloguesSpoiling(QStringLiteral("prediction_de.qm"));
  base::SetCatalogueFolderOverride(catalogues.path());
  f.MenuDeutsch->trigger();
  QCoreApplication::sendPostedEvents();
  EXPECT_TRUE(f.MenuFrancais->isChecked());
  EXPECT_FALSE(f.MenuDeutsch->isChecked());
  EXPECT_EQ(f.CurrentLanguage, QStringLiteral("Francais"));
  EXPECT_EQ(chart->windowTitle(), french);
  EXPECT_EQ(f.MenuQuitter->text(), QStringLiteral("&Quitter"));
  f.MenuNoConfirm->setChecked(true);
  f.MenuQuitterClick();
  ASSERT_EQ(terminated, 1);
  QFile ini(File(QStringLiteral("Orvane.ini")));
  ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
  EXPECT_TRUE(ini.readAll().contains("LANGUAGE=FRENCH\r\n"));
}

TEST_F(LanguageUiTest, TheExplorerGrowsSoThatTheLongerTextsOfALanguageShowWhole) {
  TForm1& f = StartComputed();
  f.ShowSlot(1);
  QCoreApplication::processEvents();
  ASSERT_TRUE(f.ExplorerShowing());
  QLabel* header = f.Explorer()->LabelPositions;
  for (QAction* item : {f.MenuDeutsch, f.MenuEspagnol, f.MenuFrancais, f.MenuItalien}) {
    SCOPED_TRACE(item->objectName().toStdString());
    item->trigger();
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    EXPECT_GE(f.width(), f.minimumSizeHint().width());
    // The whole header, the last column's name included.
    EXPECT_GE(header->width(), header->sizeHint().width());
    EXPECT_TRUE(header->text().endsWith(QStringLiteral("RX-DOPP")));
  }
}

// The caption and every label, button and box title of a window, in one text.
QString TextsOf(QWidget* window) {
  QStringList texts = {window->windowTitle()};
  for (QLabel* l : window->findChildren<QLabel*>()) texts.append(l->text());
  for (QAbstractButton* b : window->findChildren<QAbstractButton*>()) texts.append(b->text());
  for (QGroupBox* g : window->findChildren<QGroupBox*>()) texts.append(g->title());
  return texts.join(QLatin1Char('|'));
}

TEST_F(LanguageUiTest, EveryRegisteredWindowTakesEachLanguageWhileOpen) {
  TForm1& f = StartComputed();
  const auto& entries = f.LanguageWindowList().Entries();
  for (const LanguageWindows::Entry& e : entries) e.window->show();
  // Captions that are names: the program's, the format's, the beam's; "DX via" is French and
  // Italian too.
  const QStringList captionIsAName = {QStringLiteral("TFormAlarmTLE"), QStringLiteral("TFormHTML"),
                                      QStringLiteral("TFormDX"), QStringLiteral("TFormHFBeam")};
  QStringList titles, texts;
  for (const LanguageWindows::Entry& e : entries) {
    titles.append(e.window->windowTitle());
    texts.append(TextsOf(e.window));
  }
  for (QAction* item : {f.MenuEspagnol, f.MenuFrancais, f.MenuDeutsch, f.MenuItalien}) {
    f.MenuEnglish->trigger();
    item->trigger();  // no event in between: the switch alone gives the texts
    for (std::size_t i = 0; i < entries.size(); ++i) {
      const auto at = static_cast<qsizetype>(i);
      SCOPED_TRACE(entries[i].name.toStdString() + " in " + item->objectName().toStdString());
      QWidget* w = entries[i].window;
      EXPECT_FALSE(w->windowTitle().isEmpty());
      if (!captionIsAName.contains(entries[i].name)) {
        EXPECT_NE(w->windowTitle(), titles[at]);
      }
      EXPECT_NE(TextsOf(w), texts[at]);
    }
  }
  f.MenuEnglish->trigger();
  for (std::size_t i = 0; i < entries.size(); ++i) {
    SCOPED_TRACE(entries[i].name.toStdString());
    EXPECT_EQ(entries[i].window->windowTitle(), titles[static_cast<qsizetype>(i)]);
    EXPECT_EQ(TextsOf(entries[i].window), texts[static_cast<qsizetype>(i)]);
  }
}

// The registry alone: a window added later, a window that goes away.
TEST(LanguageWindowsTest, LaterWindowsFindTheirPlaceAndDeletedOnesAreSkipped) {
  LanguageWindows list;
  QStringList ran;
  auto a = std::make_unique<QWidget>();
  auto b = std::make_unique<QWidget>();
  auto* c = new QWidget;
  list.Add(a.get(), [&] { ran.append(QStringLiteral("a")); }, QStringLiteral("a"));
  list.Add(c, [&] { ran.append(QStringLiteral("c")); }, QStringLiteral("c"));
  list.AddBefore(QStringLiteral("c"), b.get(), [&] { ran.append(QStringLiteral("b")); },
                 QStringLiteral("b"));
  list.Add(a.get(), [&] { ran.append(QStringLiteral("again")); }, QStringLiteral("again"));
  EXPECT_EQ(list.Names(), (QStringList{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}));
  a->show();
  c->show();
  EXPECT_EQ(list.Run(), (QStringList{QStringLiteral("a"), QStringLiteral("c")}));
  EXPECT_EQ(ran, list.LastRun());
  delete c;
  b->show();
  ran.clear();
  EXPECT_EQ(list.Run(), (QStringList{QStringLiteral("a"), QStringLiteral("b")}));
  EXPECT_EQ(ran, list.LastRun());
}

}  // namespace
}  // namespace app::test
