#pragma once
// The catalogue's rows. The catalogue is kept in several tables, one file each, so that
// the texts of one part of the program stand together; a key is in exactly one table.
// Texts are UTF-8 as typed in the sources, a whole sentence each: values go in through
// "%1".."%9" (withValues), so that each language keeps its own word order.
#include <span>
#include <string_view>

struct CatalogueRow {
  std::string_view key;
  std::string_view pt;  // Brazilian Portuguese
  std::string_view en;  // English
};

// Every table of the catalogue, in the order a lookup searches them.
std::span<const std::span<const CatalogueRow>> catalogueTables();

// The tables, each defined in its own file.
std::span<const CatalogueRow> coreCatalogue();
std::span<const CatalogueRow> filesCatalogue();
std::span<const CatalogueRow> checkCatalogue();
std::span<const CatalogueRow> languageCatalogue();
std::span<const CatalogueRow> describeCatalogue();
std::span<const CatalogueRow> outputCatalogue();
std::span<const CatalogueRow> widgetsCatalogue();
std::span<const CatalogueRow> platformCatalogue();
std::span<const CatalogueRow> shellCatalogue();
std::span<const CatalogueRow> unicodeCatalogue();
std::span<const CatalogueRow> brailleCatalogue();
