#pragma once

// Reading a compiled HTML help file through chmlib: its objects, the context-number
// table, the contents tree and the bytes of one page. No widgets.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <map>
#include <vector>

struct chmFile;

namespace app::help {

// One line of the contents tree, in file order; `level` 0 is the outermost list.
struct ContentsEntry {
  QString name;
  QString object;  // the page inside the file ("/topic_12.htm"), empty for a bare heading
  int level = 0;
};

class ChmFile {
 public:
  ChmFile() = default;
  ~ChmFile();
  ChmFile(const ChmFile&) = delete;
  ChmFile& operator=(const ChmFile&) = delete;

  // False when the file is missing, shorter or longer than its header says, or not a
  // compiled help file; the object is then closed.
  bool Open(const QString& path);
  void Close();
  bool IsOpen() const { return handle_ != nullptr; }
  QString Path() const { return path_; }

  // Every object of the file, "/" first ("/index.htm", "/#SYSTEM", ...).
  QStringList Objects() const;
  // The whole object; false when it is absent or cannot be read completely.
  bool Read(const QString& object, QByteArray* data) const;
  bool Exists(const QString& object) const;

  // Context number -> page inside the file, from the file's own tables (#IVB, #STRINGS).
  const std::map<int, QString>& ContextMap() const { return contexts_; }
  // The page of a context number; empty when the file has none.
  QString TopicObject(int context) const;

  // From #SYSTEM: the page shown first, the contents file and the title.
  QString DefaultTopic() const { return defaultTopic_; }
  QString ContentsObject() const { return contentsObject_; }
  QString Title() const { return title_; }

  // The contents tree with every page mapped to its object inside the file.
  std::vector<ContentsEntry> Contents() const;

  // A path as a page or the compiler stored it ("topic.htm", "sub/topic.htm", or the
  // build path "/home/x/src/help/en/topic.htm") turned into the object inside the file:
  // the longest tail of the path that names an object. Empty when none does.
  QString ObjectFor(const QString& storedPath) const;

 private:
  void ReadSystem();
  void ReadContexts();

  chmFile* handle_ = nullptr;
  QString path_;
  std::map<int, QString> contexts_;
  QString defaultTopic_;
  QString contentsObject_;
  QString title_;
};

// The header check made before chmlib sees a file: "ITSF" and a recorded file size equal
// to `fileSize` (a truncated download or copy fails here). `head` holds the first bytes.
bool HeaderMatchesSize(const QByteArray& head, qint64 fileSize);

// The contents list of a sitemap file (.hhc): nested <UL> of <OBJECT type="text/sitemap">
// with "Name" and "Local" parameters. `local` of each entry is left as written.
struct SitemapEntry {
  QString name;
  QString local;
  int level = 0;
};
std::vector<SitemapEntry> ParseSitemap(const QByteArray& hhc);

// UTF-8 when the bytes are valid UTF-8 holding a non-ASCII character, else Windows-1252.
QString DecodeHelpText(const QByteArray& bytes);

// The longest tail of `storedPath` (split at "/" or "\") that `exists` accepts, as "/tail".
QString LongestExistingTail(const QString& storedPath,
                            const std::function<bool(const QString&)>& exists);

}  // namespace app::help
