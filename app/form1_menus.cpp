// Main menu, language switch and the texts of the main window.
#include <QActionGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QTabWidget>
#include <QToolButton>

#include "app/form1.h"
#include "app/language_windows.h"
#include "app/languages.h"

namespace app {

namespace {

QAction* Item(QMenu* menu, const QString& name, bool checkable = false) {
  QAction* action = menu->addAction(QString());
  action->setObjectName(name);
  action->setCheckable(checkable);
  return action;
}

}  // namespace

void TForm1::BuildMenus() {
  QMenuBar* bar = menuBar();
  MenuFichier = bar->addMenu(QString());
  MenuFichier->setObjectName(QStringLiteral("MenuFichier"));
  MenuRename = Item(MenuFichier, QStringLiteral("MenuRename"));
  MenuRename->setEnabled(false);
  MenuSaveEph = Item(MenuFichier, QStringLiteral("MenuSaveEph"));
  MenuSaveEph->setEnabled(false);
  MenuFichier->addSeparator();
  MenuNoChecksum = Item(MenuFichier, QStringLiteral("MenuNoChecksum"), true);
  MenuNoConfirm = Item(MenuFichier, QStringLiteral("MenuNoConfirm"), true);
  MenuFichier->addSeparator();
  MenuQuitter = Item(MenuFichier, QStringLiteral("MenuQuitter"));

  MenuInitialisation = bar->addAction(QString());
  MenuInitialisation->setObjectName(QStringLiteral("MenuInitialisation"));
  MenuInitialisation->setShortcut(Qt::Key_F3);
  addAction(MenuInitialisation);  // so F3 works whatever has the focus

  MenuGroupe = bar->addMenu(QString());
  MenuGroupe->setObjectName(QStringLiteral("MenuGroupe"));
  auto* groupItems = new QActionGroup(this);
  for (int g = 0; g < kGroupCount; ++g) {
    QAction* a = Item(MenuGroupe, QStringLiteral("MenuGroupe") + QString::number(g + 1), true);
    a->setActionGroup(groupItems);
    a->setEnabled(false);
    a->setVisible(false);
    MenuGroupeN[static_cast<std::size_t>(g)] = a;
    connect(a, &QAction::triggered, this, [this, g] { SelectGroup(g + 1); });
  }
  MenuGroupe->addSeparator();
  MenuLune = Item(MenuGroupe, QStringLiteral("MenuLune"), true);
  MenuSoleil = Item(MenuGroupe, QStringLiteral("MenuSoleil"), true);
  MenuHFBeam = Item(MenuGroupe, QStringLiteral("MenuHFBeam"), true);
  for (QAction* a : {MenuLune, MenuSoleil, MenuHFBeam}) a->setEnabled(false);  // windows to come
  auto* f8 = new QShortcut(QKeySequence(Qt::Key_F8), this);
  connect(f8, &QShortcut::activated, this, [this] {
    if (!MenuGroupe->menuAction()->isVisible()) return;
    menuBar()->setActiveAction(MenuGroupe->menuAction());
  });
  connect(MenuGroupe, &QMenu::aboutToShow, this, &TForm1::MenuGroupeClick);

  Menulangue = bar->addMenu(QString());
  Menulangue->setObjectName(QStringLiteral("Menulangue"));
  auto* languageItems = new QActionGroup(this);
  struct LanguageItem {
    QAction** action;
    const char* name;
    const char* caption;  // the language's own name, the same in every language
    Qt::Key key;
    Language language;
  };
  const LanguageItem items[] = {
      {&MenuEnglish, "MenuEnglish", "&English", Qt::Key_F6, Language::English},
      {&MenuEspagnol, "MenuEspagnol", "E&spa\u00f1ol", Qt::Key_F10, Language::Spanish},
      {&MenuFrancais, "MenuFrancais", "&Fran\u00e7ais", Qt::Key_F5, Language::French},
      {&MenuDeutsch, "MenuDeutsch", "&Deutsch", Qt::Key_F7, Language::German},
      {&MenuItalien, "MenuItalien", "&Italiano", Qt::Key_F9, Language::Italian},
  };
  for (const LanguageItem& item : items) {
    QAction* a = Item(Menulangue, QString::fromLatin1(item.name), true);
    a->setText(QString::fromUtf8(item.caption));
    a->setShortcut(item.key);
    a->setActionGroup(languageItems);
    addAction(a);
    *item.action = a;
    const Language language = item.language;
    connect(a, &QAction::triggered, this, [this, language] { SwitchLanguage(language); });
  }
  MenuEnglish->setChecked(true);

  MenuOptions = bar->addMenu(QString());
  MenuOptions->setObjectName(QStringLiteral("MenuOptions"));
  MenuDateCalcul = Item(MenuOptions, QStringLiteral("MenuDateCalcul"));
  MenuDateCalcul->setEnabled(false);  // the calculation date window comes later
  MenuTU = Item(MenuOptions, QStringLiteral("MenuTU"), true);
  MenuDisplay24h = Item(MenuOptions, QStringLiteral("MenuDisplay24h"), true);
  auto refreshClock = [this] { ShowClock(env_.clock->Now()); };
  connect(MenuTU, &QAction::triggered, this, refreshClock);
  connect(MenuDisplay24h, &QAction::triggered, this, refreshClock);

  MenuFenetre = bar->addMenu(QString());
  MenuFenetre->setObjectName(QStringLiteral("MenuFenetre"));
  auto* sizeItems = new QActionGroup(this);
  MenuFenetreNormale = Item(MenuFenetre, QStringLiteral("MenuFenetreNormale"), true);
  MenuFenetreReduite = Item(MenuFenetre, QStringLiteral("MenuFenetreReduite"), true);
  MenuFenetreNormale->setActionGroup(sizeItems);
  MenuFenetreReduite->setActionGroup(sizeItems);
  MenuFenetreNormale->setChecked(true);

  MenuInformation = bar->addMenu(QString());
  MenuInformation->setObjectName(QStringLiteral("MenuInformation"));
  menugettingstarted = Item(MenuInformation, QStringLiteral("menugettingstarted"));
  MenuAide = Item(MenuInformation, QStringLiteral("MenuAide"));
  MenuAide->setShortcut(Qt::Key_F1);
  MenuAPropos = Item(MenuInformation, QStringLiteral("MenuAPropos"));
  MenuAPropos->setShortcut(Qt::Key_F2);
  MenuInformation->addSeparator();
  MenuInfoVersion = Item(MenuInformation, QStringLiteral("MenuInfoVersion"), true);

  MenuEME = new QAction(this);
  MenuEME->setObjectName(QStringLiteral("MenuEME"));
  MenuEME->setShortcut(QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_C));
  addAction(MenuEME);  // never visible; toggles the moon window's EME button once it exists

  connect(MenuQuitter, &QAction::triggered, this, &TForm1::MenuQuitterClick);
  connect(MenuInitialisation, &QAction::triggered, this, &TForm1::MenuInitialisationClick);
  connect(MenuRename, &QAction::triggered, this, &TForm1::MenuRenameClick);
}

void TForm1::SwitchLanguage(Language language) {
  // All the texts of a language or none: a catalogue that cannot be read keeps the
  // language in force, and the menu, the texts and "LANGUAGE=" go on agreeing.
  if (!languages_.Apply(language)) {
    language = languages_.Current();
    env_.dialogs->Warning(msg::LanguageNotLoaded());
  }
  QAction* item = MenuEnglish;
  switch (language) {
    case Language::Spanish:
      item = MenuEspagnol;
      break;
    case Language::French:
      item = MenuFrancais;
      break;
    case Language::German:
      item = MenuDeutsch;
      break;
    case Language::Italian:
      item = MenuItalien;
      break;
    case Language::English:
      break;
  }
  item->setChecked(true);
  CurrentLanguage = CurrentLanguageText(language);
  helpFile_ = env_.programFolder + QLatin1Char('/') + HelpFileName(language);
  Retranslate();
  if (SilentAction) return;  // start-up: no other window is open yet
  languageWindows_->Run();
  FitWindowToTexts();
  emit LanguageSwitched();
}

void TForm1::Retranslate() {
  MenuFichier->setTitle(tr("&File"));
  MenuRename->setText(tr("&Rename satellites"));
  MenuSaveEph->setText(tr("&Save data pass to file"));
  MenuNoChecksum->setText(tr("Don't control checksums of the TLE files"));
  MenuNoConfirm->setText(tr("Don't confirm when quitting"));
  MenuQuitter->setText(tr("&Quit"));
  MenuInitialisation->setText(tr("&Settings"));
  MenuGroupe->setTitle(tr("&Group"));
  MenuLune->setText(tr("Moon"));
  MenuSoleil->setText(tr("Sun"));
  MenuHFBeam->setText(tr("AZ Beam"));
  Menulangue->setTitle(tr("&Language"));
  MenuOptions->setTitle(tr("&Options"));
  MenuDateCalcul->setText(tr("Starting &Date"));
  MenuTU->setText(tr("Display &UTC"));
  MenuDisplay24h->setText(tr("Display current time in 24-hour format"));
  MenuFenetre->setTitle(tr("&Window"));
  MenuFenetreNormale->setText(tr("&Normal"));
  MenuFenetreReduite->setText(tr("&Reduced"));
  MenuInformation->setTitle(tr("&?"));
  menugettingstarted->setText(tr("Getting started"));
  MenuAide->setText(tr("&Help"));
  MenuAPropos->setText(tr("&About Orvane"));
  MenuInfoVersion->setText(tr("Check for a new release when opening the program."));

  LabelInitialisation->setText(tr("INITIALIZATION"));
  GroupBoxStation->setTitle(tr("Station"));
  LabelLocator->setText(tr("QRA locator"));
  LabelLattitude->setText(tr("Latitude"));
  LabelLongitude->setText(tr("Longitude"));
  LabelAltitude->setText(tr("Altitude (m)"));
  LabelLocalUTC->setText(tr("Local time - UTC (h)"));
  EditQRAlocator->setToolTip(tr("Locator form : AR09AX"));
  EditLattitude->setToolTip(tr("Form : 45.123456789"));
  EditLongitude->setToolTip(tr("Form : 45.123456789"));
  ButtonConv->setToolTip(tr("Degrees, minutes, seconds to decimal degrees"));
  GroupBoxSatellite->setTitle(tr("Satellite groups"));
  for (QPushButton* b : ButtonParcourirFichier2lignesG) b->setText(tr("BROWSE"));
  BitBtnNomGroupe->setText(tr("Group name"));
  BitBtnNomGroupe->setToolTip(tr("to change group name"));
  SpeedButtonRAZ->setText(tr("Reset"));
  SpeedButtonRAZ->setToolTip(tr("to reset the group"));
  BitBtnOKNomGroupe->setText(tr("OK"));
  BitBtnCancelNomGroupe->setText(tr("Cancel"));
  StaticTextStatus->setText(tr("Red satellites out of work"));
  GroupBoxAntenna->setTitle(tr("Antenna interface"));
  GroupBoxOptions->setTitle(tr("Options"));
  LabelElevation->setText(tr("Minimum elevation (degrees)"));
  CheckBoxAlarme->setText(tr("Sound alarm when a satellite rises"));
  LabelDureeAlarme->setText(tr("Alarm length (seconds)"));
  CheckBoxPreVisu->setText(tr("Warning before the satellite rises"));
  LabelPreVisu->setText(tr("Warning time (minutes)"));
  BitBtn_OK_Location->setText(tr("EXPLORE"));
  LabelVisiSat->setText(tr("SATELLITE  : IN    FOR"));
  EditDate->setToolTip(tr("Date"));
  EditTime->setToolTip(tr("Time"));
  RetranslateTracking();
  RetranslateRadio();
  RetranslateServer();
  RetranslateDownloads();
  RetranslateWindowSize();
  RefreshPassListTitle();
}

void TForm1::RefreshPassListTitle() {
  const int g = std::clamp(activeGroup_, 1, kGroupCount) - 1;
  const QString title =
      msg::SatelliteVisibility() + QStringLiteral("  ") + PageControlGroupe->tabText(g);
  GroupBoxPrevisions->setTitle(title);
  // The box grows with a long title rather than cutting it.
  const int titleWidth = GroupBoxPrevisions->fontMetrics().horizontalAdvance(title) + 24;
  GroupBoxPrevisions->setFixedWidth(std::max(slotBoxWidth_, titleWidth));
}

void TForm1::MenuGroupeClick() {
  // Opening the Group menu remembers where the window stands for the face shown.
  if (SettingsPanelShowing()) {
    settings_.geometry.settingsLeft = x();
    settings_.geometry.settingsTop = y();
  } else if (ExplorerShowing()) {
    settings_.geometry.explorerLeft = x();
    settings_.geometry.explorerTop = y();
  } else {
    settings_.geometry.compactLeft = x();
    settings_.geometry.compactTop = y();
  }
}

}  // namespace app
