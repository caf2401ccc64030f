#pragma once

// The program's own help window: the contents tree of a compiled help file beside the
// page it shows, read straight from the file.

#include <QTextBrowser>
#include <QWidget>
#include <memory>

#include "app/help/chm_file.h"

class QTreeWidget;
class QTreeWidgetItem;
class QToolButton;

namespace app::help {

// Pages "chm:/object" come out of the open help file; other addresses are not loaded.
class HelpBrowser : public QTextBrowser {
  Q_OBJECT
 public:
  explicit HelpBrowser(QWidget* parent = nullptr) : QTextBrowser(parent) {}
  void SetFile(const ChmFile* file) { file_ = file; }
  QVariant loadResource(int type, const QUrl& name) override;

 private:
  const ChmFile* file_ = nullptr;
};

class THelpViewer : public QWidget {
  Q_OBJECT
 public:
  explicit THelpViewer(QWidget* parent = nullptr);
  ~THelpViewer() override;

  // Shows the file's first page with its contents; false (nothing shown) when the file
  // is missing or damaged.
  bool OpenContents(const QString& chmPath);
  // Shows the page of a context number; a number the file does not know shows the first
  // page. False when the file is missing or damaged.
  bool OpenTopic(const QString& chmPath, int context);

  QString CurrentFile() const { return file_.Path(); }
  QString CurrentObject() const;  // "/element_download.htm"
  QString CurrentTitle() const;   // the shown page's title

  QTreeWidget* TreeViewContents = nullptr;
  HelpBrowser* BrowserTopic = nullptr;
  QToolButton* ButtonBack = nullptr;
  QToolButton* ButtonForward = nullptr;
  QToolButton* ButtonHome = nullptr;

 protected:
  void changeEvent(QEvent* event) override;

 private:
  bool Load(const QString& chmPath);
  bool ShowObject(const QString& object);
  void FillContents();
  void SelectContentsItem(const QString& object);
  void ContentsItemClicked(QTreeWidgetItem* item);
  void AnchorClicked(const QUrl& url);
  void Retranslate();

  ChmFile file_;
  qint64 loadedSize_ = -1;
  qint64 loadedTime_ = -1;
};

}  // namespace app::help
