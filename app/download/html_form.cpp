#include "app/download/html_form.h"

#include <QStringConverter>
#include <QStringDecoder>
#include <cstdint>
#include <map>

namespace app::download {

namespace {

QString DecodeEntities(const QString& text) {
  if (!text.contains(QLatin1Char('&'))) return text;
  static const std::map<QString, QChar> named = {
      {QStringLiteral("amp"), QLatin1Char('&')},  {QStringLiteral("lt"), QLatin1Char('<')},
      {QStringLiteral("gt"), QLatin1Char('>')},   {QStringLiteral("quot"), QLatin1Char('"')},
      {QStringLiteral("apos"), QLatin1Char('\'')}, {QStringLiteral("nbsp"), QChar(0x00A0)},
  };
  QString out;
  out.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    const qsizetype semi = c == QLatin1Char('&') ? text.indexOf(QLatin1Char(';'), i) : -1;
    if (semi < 0 || semi - i > 10) {
      out += c;
      continue;
    }
    const QString name = text.mid(i + 1, semi - i - 1);
    bool ok = false;
    uint code = 0;
    if (name.startsWith(QLatin1String("#x")) || name.startsWith(QLatin1String("#X"))) {
      code = name.mid(2).toUInt(&ok, 16);
    } else if (name.startsWith(QLatin1Char('#'))) {
      code = name.mid(1).toUInt(&ok, 10);
    } else if (const auto it = named.find(name); it != named.end()) {
      out += it->second;
      i = semi;
      continue;
    }
    if (ok && code > 0 && code <= 0x10FFFF) {
      out += QString::fromUcs4(reinterpret_cast<const char32_t*>(&code), 1);
      i = semi;
    } else {
      out += c;
    }
  }
  return out;
}

struct Tag {
  QString name;  // lower case, without "/"
  bool closing = false;
  std::map<QString, QString> attributes;  // names in lower case, values decoded
  qsizetype end = 0;                      // index after ">"
  bool Has(const char* attribute) const { return attributes.count(QLatin1String(attribute)); }
  QString Get(const char* attribute) const {
    const auto it = attributes.find(QLatin1String(attribute));
    return it == attributes.end() ? QString() : it->second;
  }
};

bool IsSpace(QChar c) {
  return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n') ||
         c == QLatin1Char('\r') || c == QLatin1Char('\f');
}

// The tag that starts with "<" at `start`.
Tag ReadTag(const QString& html, qsizetype start) {
  Tag tag;
  qsizetype i = start + 1;
  const qsizetype n = html.size();
  if (i < n && html[i] == QLatin1Char('/')) {
    tag.closing = true;
    ++i;
  }
  const qsizetype nameStart = i;
  while (i < n && !IsSpace(html[i]) && html[i] != QLatin1Char('>') && html[i] != QLatin1Char('/'))
    ++i;
  tag.name = html.mid(nameStart, i - nameStart).toLower();
  while (i < n && html[i] != QLatin1Char('>')) {
    while (i < n && (IsSpace(html[i]) || html[i] == QLatin1Char('/'))) ++i;
    if (i >= n || html[i] == QLatin1Char('>')) break;
    const qsizetype attrStart = i;
    while (i < n && !IsSpace(html[i]) && html[i] != QLatin1Char('=') &&
           html[i] != QLatin1Char('>'))
      ++i;
    const QString attribute = html.mid(attrStart, i - attrStart).toLower();
    while (i < n && IsSpace(html[i])) ++i;
    QString value;
    if (i < n && html[i] == QLatin1Char('=')) {
      ++i;
      while (i < n && IsSpace(html[i])) ++i;
      if (i < n && (html[i] == QLatin1Char('"') || html[i] == QLatin1Char('\''))) {
        const QChar quote = html[i];
        const qsizetype close = html.indexOf(quote, i + 1);
        const qsizetype stop = close < 0 ? n : close;
        value = html.mid(i + 1, stop - i - 1);
        i = stop + 1;
      } else {
        const qsizetype valueStart = i;
        while (i < n && !IsSpace(html[i]) && html[i] != QLatin1Char('>')) ++i;
        value = html.mid(valueStart, i - valueStart);
      }
    }
    if (!attribute.isEmpty() && !tag.attributes.count(attribute))
      tag.attributes[attribute] = DecodeEntities(value);
  }
  tag.end = i < n ? i + 1 : n;
  return tag;
}

// Index after the element whose content starts at `from` and ends with </name>.
qsizetype SkipRawText(const QString& html, qsizetype from, const QString& name) {
  const qsizetype close =
      html.indexOf(QStringLiteral("</") + name, from, Qt::CaseInsensitive);
  if (close < 0) return html.size();
  const qsizetype gt = html.indexOf(QLatin1Char('>'), close);
  return gt < 0 ? html.size() : gt + 1;
}

QString CollapseBlanks(const QString& text) {
  return text.simplified();
}

}  // namespace

bool FormInput::Editable() const {
  if (tag != QLatin1String("input")) return true;
  static const QStringList buttons = {QStringLiteral("hidden"), QStringLiteral("submit"),
                                      QStringLiteral("button"), QStringLiteral("image"),
                                      QStringLiteral("reset"),  QStringLiteral("file")};
  return !buttons.contains(type);
}

QString PageText(const QByteArray& bytes) {
  QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
  const QString text = utf8.decode(bytes);
  if (!utf8.hasError()) return text;
  // Windows-1252 and Latin-1 agree on the letters a login page uses.
  return QString::fromLatin1(bytes);
}

QString StripTags(const QString& html) {
  qsizetype from = 0;
  qsizetype to = html.size();
  const qsizetype body = html.indexOf(QLatin1String("<body"), 0, Qt::CaseInsensitive);
  if (body >= 0) {
    from = ReadTag(html, body).end;
    const qsizetype bodyEnd = html.indexOf(QLatin1String("</body"), from, Qt::CaseInsensitive);
    if (bodyEnd >= 0) to = bodyEnd;
  }
  QString text;
  qsizetype i = from;
  while (i < to) {
    const qsizetype lt = html.indexOf(QLatin1Char('<'), i);
    if (lt < 0 || lt >= to) {
      text += html.mid(i, to - i);
      break;
    }
    text += html.mid(i, lt - i);
    if (html.mid(lt, 4) == QLatin1String("<!--")) {
      const qsizetype close = html.indexOf(QLatin1String("-->"), lt + 4);
      i = close < 0 ? to : close + 3;
      continue;
    }
    const Tag tag = ReadTag(html, lt);
    i = tag.end;
    if (!tag.closing && (tag.name == QLatin1String("script") || tag.name == QLatin1String("style")))
      i = SkipRawText(html, i, tag.name);
    text += QLatin1Char(' ');  // a tag separates words
  }
  return CollapseBlanks(DecodeEntities(text));
}

bool PageContains(const QString& visibleText, const QString& needle) {
  return !needle.isEmpty() && visibleText.contains(needle, Qt::CaseInsensitive);
}

FormInput* HtmlForm::Field(const QString& idOrName) {
  for (FormInput& input : inputs)
    if (input.id == idOrName) return &input;
  for (FormInput& input : inputs)
    if (input.name == idOrName) return &input;
  return nullptr;
}

const FormInput* HtmlForm::Field(const QString& idOrName) const {
  return const_cast<HtmlForm*>(this)->Field(idOrName);
}

HtmlForm ParseFirstForm(const QString& html, const QUrl& pageUrl) {
  HtmlForm form;
  qsizetype i = 0;
  bool inForm = false;
  std::size_t select = SIZE_MAX;  // index of the open <select>
  bool selectHasValue = false;
  while (i < html.size()) {
    const qsizetype lt = html.indexOf(QLatin1Char('<'), i);
    if (lt < 0) break;
    if (html.mid(lt, 4) == QLatin1String("<!--")) {
      const qsizetype close = html.indexOf(QLatin1String("-->"), lt + 4);
      i = close < 0 ? html.size() : close + 3;
      continue;
    }
    const Tag tag = ReadTag(html, lt);
    i = tag.end;
    if (!tag.closing && (tag.name == QLatin1String("script") || tag.name == QLatin1String("style"))) {
      i = SkipRawText(html, i, tag.name);
      continue;
    }
    if (!inForm) {
      if (tag.name == QLatin1String("form") && !tag.closing) {
        inForm = true;
        form.found = true;
        const QString action = tag.Get("action").trimmed();
        form.action = action.isEmpty() ? pageUrl : pageUrl.resolved(QUrl(action));
        form.post = tag.Get("method").trimmed().compare(QLatin1String("post"),
                                                        Qt::CaseInsensitive) == 0;
      }
      continue;
    }
    if (tag.closing) {
      if (tag.name == QLatin1String("form")) break;
      if (tag.name == QLatin1String("select")) select = SIZE_MAX;
      continue;
    }
    if (tag.name == QLatin1String("input") || tag.name == QLatin1String("select") ||
        tag.name == QLatin1String("textarea")) {
      FormInput input;
      input.tag = tag.name;
      input.type = tag.name == QLatin1String("input") ? tag.Get("type").trimmed().toLower()
                                                      : tag.name;
      if (input.type.isEmpty()) input.type = QStringLiteral("text");
      input.name = tag.Get("name");
      input.id = tag.Get("id");
      input.value = tag.Get("value");
      input.checked = tag.Has("checked");
      input.disabled = tag.Has("disabled");
      if (tag.name == QLatin1String("textarea")) {
        const qsizetype close =
            html.indexOf(QLatin1String("</textarea"), i, Qt::CaseInsensitive);
        const qsizetype stop = close < 0 ? html.size() : close;
        input.value = DecodeEntities(html.mid(i, stop - i));
        i = SkipRawText(html, i, QStringLiteral("textarea"));
      }
      form.inputs.push_back(input);
      if (tag.name == QLatin1String("select")) {
        select = form.inputs.size() - 1;
        selectHasValue = false;
      }
    } else if (tag.name == QLatin1String("option") && select != SIZE_MAX) {
      // The selected option, else the first one.
      QString value = tag.Get("value");
      if (!tag.Has("value")) {
        const qsizetype next = html.indexOf(QLatin1Char('<'), i);
        value = DecodeEntities(html.mid(i, (next < 0 ? html.size() : next) - i)).simplified();
      }
      if (!selectHasValue || tag.Has("selected")) {
        form.inputs[select].value = value;
        selectHasValue = true;
      }
    }
  }
  return form;
}

QByteArray EncodeForm(const HtmlForm& form) {
  QByteArray body;
  for (const FormInput& input : form.inputs) {
    if (input.name.isEmpty() || input.disabled) continue;
    if (input.tag == QLatin1String("input")) {
      if (input.type == QLatin1String("submit") || input.type == QLatin1String("button") ||
          input.type == QLatin1String("image") || input.type == QLatin1String("reset") ||
          input.type == QLatin1String("file"))
        continue;
      if ((input.type == QLatin1String("checkbox") || input.type == QLatin1String("radio")) &&
          !input.checked)
        continue;
    }
    QString value = input.value;
    if ((input.type == QLatin1String("checkbox") || input.type == QLatin1String("radio")) &&
        value.isEmpty())
      value = QStringLiteral("on");
    if (!body.isEmpty()) body += '&';
    body += QUrl::toPercentEncoding(input.name) + '=' + QUrl::toPercentEncoding(value);
  }
  return body;
}

}  // namespace app::download
