#pragma once

#include <QString>

namespace e2e {

// What the build hands the tests through their environment.

// The built dms2dd (DMS2DD_E2E_APP); empty when unset.
QString programPath();
// The locale the test runs under (LC_ALL, "C" when unset); the program is
// started under the same one.
QString testLocale();
// A file in the directory for screenshots (DMS2DD_E2E_ARTIFACTS, else
// ./screenshots), which is made if need be.
QString artifactPath(const QString &fileName);

} // namespace e2e
