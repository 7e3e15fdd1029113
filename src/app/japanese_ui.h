#pragma once
// The program speaks Japanese whatever the environment's locale: Qt's own texts (standard
// buttons, file dialogs) and the dates and numbers they show.

class QApplication;

namespace mirtote::app {

// Before the application object exists: Japanese date formats for what Qt formats with the
// system locale (the file dialogs' dates) rather than the default locale. The environment
// itself is left as it was.
void UseJapaneseDateFormats();

// Japanese default locale and the Japanese translations of Qt, with the few texts those
// translations lack; the translators belong to `application`.
void InstallJapaneseUi(QApplication& application);

}  // namespace mirtote::app
