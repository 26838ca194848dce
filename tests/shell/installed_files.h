#pragma once
// The files an installation holds, relative to its prefix: what `cmake --install` must
// put there and what the Debian package must carry.
#include <string>
#include <vector>

inline std::vector<std::string> expectedInstalledFiles() {
  const std::string doc = "share/doc/pontelix/";
  const std::string id = "org.pontelix.Pontelix";
  return {"bin/pontelix",
          "libexec/pontelix/pontelix-console",
          doc + "README.md",
          doc + "comandos.md",
          doc + "commands.md",
          doc + "copyright",
          doc + "imagens/rg.png",
          doc + "imagens/tutorial.png",
          doc + "examples/parabola.pxg",
          doc + "examples/tabela.pxg",
          doc + "examples/cubica.dat",
          "share/man/man1/pontelix.1.gz",
          "share/man/pt_BR/man1/pontelix.1.gz",
          "share/applications/" + id + ".desktop",
          "share/metainfo/" + id + ".metainfo.xml",
          "share/lintian/overrides/pontelix",
          "share/icons/hicolor/scalable/apps/" + id + ".svg"};
}
