#pragma once
// The browser control on Qt WebEngine. Only the program and the tests of the browser link this
// library: loading the web engine costs every process that links it time and memory at start.

namespace webview {

// Makes platform::makeWebBrowser give web-engine browsers from now on.
void installWebEngineBrowser();

} // namespace webview
