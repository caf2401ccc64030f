// The windows a language switch refreshes while they are open.
#include <QCoreApplication>
#include <QLayout>
#include <QLabel>

#include "app/download/download_desk.h"
#include "app/download/form_alarm_tle.h"
#include "app/download/form_web.h"
#include "app/form1.h"
#include "app/form_rename.h"
#include "app/language_windows.h"
#include "map/form_help_map.h"
#include "map/form_html.h"
#include "map/form_map.h"
#include "prediction/form_24h.h"
#include "prediction/form_date.h"
#include "prediction/form_print.h"
#include "prediction/form_print24h.h"
#include "prediction/panel_explorer.h"
#include "tools/form_conv.h"
#include "tools/form_dx.h"
#include "tools/form_favorites.h"
#include "tools/form_help_my_list.h"
#include "tools/form_hf_beam.h"
#include "tools/form_lune.h"
#include "tools/form_orbit.h"
#include "tools/form_soleil.h"
#include "tracking/form_extra_info.h"

namespace app {

void TForm1::BuildLanguageWindows() {
  LanguageWindows& w = *languageWindows_;
  w.Add(formDx_, [this] { formDx_->ApplyLanguage(); });
  w.Add(formMap_->Legend(), [this] { formMap_->Legend()->ApplyLanguage(); });
  w.Add(formDate_, [this] { formDate_->ApplyLanguage(); });
  w.Add(formPrint_, [this] { formPrint_->ApplyLanguage(); });
  w.Add(formExtraInfo_, [this] { formExtraInfo_->RetranslateUi(); });
  w.Add(formMap_, [this] { formMap_->ApplyLanguage(); });
  w.Add(downloads_->WebWindow(), [this] { downloads_->WebWindow()->Retranslate(); });
  w.Add(downloads_->AlarmWindow(), [this] { downloads_->AlarmWindow()->Retranslate(); });
  w.Add(formRename_, [this] { formRename_->Retranslate(); });
  w.Add(form24h_, [this] { form24h_->ApplyLanguage(); });
  w.Add(form24h_->PrintWindow(), [this] { form24h_->PrintWindow()->ApplyLanguage(); });
  w.Add(formSoleil_, [this] { formSoleil_->ApplyLanguage(); });
  // The Moon window takes its texts, table and report from its show handler.
  w.Add(formLune_, [this] {
    formLune_->hide();
    formLune_->show();
  });
  w.Add(formOrbit_, [this] { formOrbit_->Redraw(); });
  w.Add(formConv_, [this] { formConv_->ApplyLanguage(); });
  w.Add(formMap_->HtmlSettings(), [this] { formMap_->HtmlSettings()->ApplyLanguage(); });
  // The beam windows come last: nothing else depends on their texts.
  w.Add(formHfBeam_, [this] { formHfBeam_->ApplyLanguage(); });
  w.Add(formHfBeam_->Favorites(), [this] { formHfBeam_->Favorites()->ApplyLanguage(); });
  w.Add(formHfBeam_->HelpMyList(), [this] { formHfBeam_->HelpMyList()->ApplyLanguage(); });
}

void TForm1::FitWindowToTexts() {
  // Longer texts of another language need more room than the window was given (the
  // ephemeris header lost its last columns). The boxes of the other folders take their
  // texts from the change event: it is delivered now, the layouts settle, then the window
  // grows to its least size and to the whole header.
  if (!isVisible() || !(ExplorerShowing() || SettingsPanelShowing())) return;
  QEvent change(QEvent::LanguageChange);
  QCoreApplication::sendEvent(this, &change);
  // A layout passes a change to the widget around it one posted request at a time: the
  // boxes nest a few deep.
  for (int depth = 0; depth < 8; ++depth)
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
  if (layout()) layout()->activate();
  QSize wanted = size().expandedTo(minimumSizeHint());
  if (wanted != size()) resize(wanted);
  if (!ExplorerShowing()) return;
  const QLabel* header = explorer_->LabelPositions;
  const int missing = header->sizeHint().width() - header->width();
  if (missing > 0) resize(width() + missing, height());
}

}  // namespace app
