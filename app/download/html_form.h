#pragma once

// What the login step needs from a web page, without a browser: its visible text, and
// its first form with the values a browser would send.

#include <QByteArray>
#include <QString>
#include <QUrl>
#include <vector>

namespace app::download {

// A page's bytes as text: UTF-8 when they are valid UTF-8, else Windows-1252.
QString PageText(const QByteArray& bytes);

// The text of the page's body as a reader sees it: no tags, scripts, styles or comments,
// character references decoded, runs of blanks made one space.
QString StripTags(const QString& html);

// Whether the visible text holds `needle`, as a browser's find does (case ignored).
bool PageContains(const QString& visibleText, const QString& needle);

struct FormInput {
  QString tag;   // "input", "select" or "textarea"
  QString type;  // lower case; "text" when absent
  QString name;
  QString id;
  QString value;
  bool checked = false;  // check boxes and radio buttons
  bool disabled = false;
  bool Hidden() const { return type == QLatin1String("hidden"); }
  bool Password() const { return type == QLatin1String("password"); }
  // A field the user fills in (not hidden, not a button).
  bool Editable() const;
};

struct HtmlForm {
  bool found = false;
  QUrl action;                         // resolved against the page's address
  bool post = false;                   // method="post"; without a method: GET
  std::vector<FormInput> inputs;       // in document order
  // The field with this id, else the first with this name; nullptr when none.
  FormInput* Field(const QString& idOrName);
  const FormInput* Field(const QString& idOrName) const;
};

// The document's first form. `pageUrl` is where the page came from (after redirects).
HtmlForm ParseFirstForm(const QString& html, const QUrl& pageUrl);

// The form's values as application/x-www-form-urlencoded, in document order: named,
// enabled fields; check boxes and radio buttons only when checked; no buttons.
QByteArray EncodeForm(const HtmlForm& form);

}  // namespace app::download
