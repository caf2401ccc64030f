#include "app/help/help_viewer.h"

#include <QDesktopServices>
#include <QEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QSplitter>
#include <QTextDocument>
#include <QToolButton>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>
#include <vector>

namespace app::help {

namespace {

constexpr int kObjectRole = Qt::UserRole;

QUrl ObjectUrl(const QString& object) {
  QUrl url;
  url.setScheme(QStringLiteral("chm"));
  url.setPath(object);
  return url;
}

}  // namespace

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
  if (name.scheme() != QLatin1String("chm") || file_ == nullptr) return QVariant();
  QByteArray data;
  if (!file_->Read(name.path(), &data)) return QVariant();
  if (type == QTextDocument::HtmlResource || type == QTextDocument::StyleSheetResource)
    return DecodeHelpText(data);
  return data;
}

THelpViewer::THelpViewer(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("THelpViewer"));
  auto* layout = new QVBoxLayout(this);
  auto* buttons = new QHBoxLayout;
  ButtonBack = new QToolButton(this);
  ButtonBack->setObjectName(QStringLiteral("ButtonBack"));
  ButtonBack->setArrowType(Qt::LeftArrow);
  ButtonForward = new QToolButton(this);
  ButtonForward->setObjectName(QStringLiteral("ButtonForward"));
  ButtonForward->setArrowType(Qt::RightArrow);
  ButtonHome = new QToolButton(this);
  ButtonHome->setObjectName(QStringLiteral("ButtonHome"));
  ButtonHome->setToolButtonStyle(Qt::ToolButtonTextOnly);
  buttons->addWidget(ButtonBack);
  buttons->addWidget(ButtonForward);
  buttons->addWidget(ButtonHome);
  buttons->addStretch();
  layout->addLayout(buttons);

  auto* splitter = new QSplitter(Qt::Horizontal, this);
  TreeViewContents = new QTreeWidget(splitter);
  TreeViewContents->setObjectName(QStringLiteral("TreeViewContents"));
  TreeViewContents->setHeaderHidden(true);
  TreeViewContents->setColumnCount(1);
  BrowserTopic = new HelpBrowser(splitter);
  BrowserTopic->setObjectName(QStringLiteral("BrowserTopic"));
  BrowserTopic->SetFile(&file_);
  // Links are followed here: relative ones stay in the file, others go to the desktop.
  BrowserTopic->setOpenLinks(false);
  splitter->addWidget(TreeViewContents);
  splitter->addWidget(BrowserTopic);
  splitter->setStretchFactor(0, 1);
  splitter->setStretchFactor(1, 3);
  splitter->setSizes({330, 630});
  layout->addWidget(splitter, 1);
  resize(980, 640);

  ButtonBack->setEnabled(false);
  ButtonForward->setEnabled(false);
  connect(ButtonBack, &QToolButton::clicked, BrowserTopic, &QTextBrowser::backward);
  connect(ButtonForward, &QToolButton::clicked, BrowserTopic, &QTextBrowser::forward);
  connect(ButtonHome, &QToolButton::clicked, this, [this] {
    if (file_.IsOpen()) ShowObject(file_.DefaultTopic());
  });
  connect(BrowserTopic, &QTextBrowser::backwardAvailable, ButtonBack, &QWidget::setEnabled);
  connect(BrowserTopic, &QTextBrowser::forwardAvailable, ButtonForward, &QWidget::setEnabled);
  connect(BrowserTopic, &QTextBrowser::anchorClicked, this, &THelpViewer::AnchorClicked);
  connect(BrowserTopic, &QTextBrowser::sourceChanged, this,
          [this](const QUrl& url) { SelectContentsItem(url.path()); });
  connect(TreeViewContents, &QTreeWidget::itemClicked, this,
          [this](QTreeWidgetItem* item) { ContentsItemClicked(item); });
  connect(TreeViewContents, &QTreeWidget::itemActivated, this,
          [this](QTreeWidgetItem* item) { ContentsItemClicked(item); });
  Retranslate();
}

THelpViewer::~THelpViewer() = default;

void THelpViewer::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) Retranslate();
  QWidget::changeEvent(event);
}

void THelpViewer::Retranslate() {
  setWindowTitle(tr("ORVANE - Help"));
  ButtonBack->setToolTip(tr("Back"));
  ButtonForward->setToolTip(tr("Forward"));
  ButtonHome->setText(tr("Contents"));
  ButtonHome->setToolTip(tr("Back to the first page"));
}

bool THelpViewer::Load(const QString& chmPath) {
  const QFileInfo info(chmPath);
  if (!info.isFile()) {
    file_.Close();
    BrowserTopic->clear();
    TreeViewContents->clear();
    return false;
  }
  // The same file, untouched since it was read: keep it and its history.
  const qint64 time = info.lastModified().toMSecsSinceEpoch();
  if (file_.IsOpen() && file_.Path() == chmPath && loadedSize_ == info.size() &&
      loadedTime_ == time)
    return true;
  BrowserTopic->clear();
  BrowserTopic->clearHistory();
  TreeViewContents->clear();
  loadedSize_ = -1;
  loadedTime_ = -1;
  if (!file_.Open(chmPath)) return false;
  loadedSize_ = info.size();
  loadedTime_ = time;
  FillContents();
  return true;
}

bool THelpViewer::ShowObject(const QString& object) {
  QByteArray page;
  if (object.isEmpty() || !file_.Read(object, &page)) return false;
  BrowserTopic->setSource(ObjectUrl(object), QTextDocument::HtmlResource);
  return true;
}

bool THelpViewer::OpenContents(const QString& chmPath) {
  if (!Load(chmPath) || !ShowObject(file_.DefaultTopic())) return false;
  TreeViewContents->expandAll();
  return true;
}

bool THelpViewer::OpenTopic(const QString& chmPath, int context) {
  if (!Load(chmPath)) return false;
  const QString object = file_.TopicObject(context);
  return ShowObject(object.isEmpty() ? file_.DefaultTopic() : object);
}

QString THelpViewer::CurrentObject() const {
  return BrowserTopic->source().path();
}

QString THelpViewer::CurrentTitle() const {
  return BrowserTopic->documentTitle();
}

void THelpViewer::FillContents() {
  TreeViewContents->clear();
  // The last item seen at each level is the parent of the next deeper one.
  std::vector<QTreeWidgetItem*> parents;
  for (const ContentsEntry& entry : file_.Contents()) {
    const int level = std::min<int>(entry.level, static_cast<int>(parents.size()));
    parents.resize(static_cast<std::size_t>(level));
    QTreeWidgetItem* item = parents.empty()
                                ? new QTreeWidgetItem(TreeViewContents)
                                : new QTreeWidgetItem(parents.back());
    item->setText(0, entry.name);
    item->setToolTip(0, entry.name);  // a long name may not fit the tree
    item->setData(0, kObjectRole, entry.object);
    parents.push_back(item);
  }
  TreeViewContents->expandAll();
}

void THelpViewer::SelectContentsItem(const QString& object) {
  QTreeWidgetItemIterator it(TreeViewContents);
  while (*it) {
    if ((*it)->data(0, kObjectRole).toString().compare(object, Qt::CaseInsensitive) == 0) {
      TreeViewContents->setCurrentItem(*it);
      return;
    }
    ++it;
  }
}

void THelpViewer::ContentsItemClicked(QTreeWidgetItem* item) {
  if (item == nullptr) return;
  const QString object = item->data(0, kObjectRole).toString();
  if (!object.isEmpty() && object.compare(CurrentObject(), Qt::CaseInsensitive) != 0)
    ShowObject(object);
}

void THelpViewer::AnchorClicked(const QUrl& url) {
  if (url.scheme() == QLatin1String("chm")) {
    const QString object = file_.ObjectFor(url.path());
    if (object.isEmpty()) return;
    QUrl target = ObjectUrl(object);
    target.setFragment(url.fragment());
    BrowserTopic->setSource(target, QTextDocument::HtmlResource);
    return;
  }
  const QString scheme = url.scheme();
  if (scheme == QLatin1String("http") || scheme == QLatin1String("https") ||
      scheme == QLatin1String("mailto"))
    QDesktopServices::openUrl(url);
}

}  // namespace app::help
