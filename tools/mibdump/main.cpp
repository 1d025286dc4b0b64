// Prints every descriptor table of every data module, one tab-separated line per record:
// module, table prefix, record position, OID (empty for an index pseudo-column), label,
// syntax name, access flags, and the option list as value=name pairs joined by ";".
// Meant for checking the catalogue by eye or by script.
#include <cstdio>
#include <string>

#include "Catalogue.h"
#include "NvOptionList.h"
#include "NvSNMPVar.h"

static const char* SyntaxName(int syntax) {
  switch (syntax) {
    case NvSyntax::boolean: return "boolean";
    case NvSyntax::integer: return "integer";
    case NvSyntax::bitstr: return "bitstr";
    case NvSyntax::octetstr: return "octetstr";
    case NvSyntax::null: return "null";
    case NvSyntax::objectid: return "objectid";
    case NvSyntax::ipaddress: return "ipaddress";
    case NvSyntax::counter: return "counter";
    case NvSyntax::guage: return "guage";
    case NvSyntax::timeticks: return "timeticks";
    case NvSyntax::opaque: return "opaque";
    case NvSyntax::nsapaddr: return "nsapaddr";
    case NvSyntax::counter64: return "counter64";
    case NvSyntax::uinteger: return "uinteger";
    case NvSyntax::double_: return "double";
    case NvSyntax::macaddress: return "macaddress";
    case NvSyntax::datetime: return "datetime";
    case NvSyntax::bcdatetime: return "bcdatetime";
    case NvSyntax::displaystr: return "displaystr";
    case NvSyntax::ipv6address: return "ipv6address";
    case NvSyntax::bitlist: return "bitlist";
    case NvSyntax::inetaddress: return "inetaddress";
    case NvSyntax::bool8: return "bool8";
    case NvSyntax::int8: return "int8";
    case NvSyntax::uint8: return "uint8";
    case NvSyntax::bool16: return "bool16";
    case NvSyntax::int16: return "int16";
    case NvSyntax::uint16: return "uint16";
  }
  return "unknown";
}

static std::string OptionText(const NvOptionList* options) {
  std::string text;
  if (!options) return text;
  for (int i = 0; i < options->GetCount(); ++i) {
    const NvOption& option = options->GetOption(i);
    if (i > 0) text += ';';
    text += option.TextValue.empty() ? std::to_string(option.IntValue) : option.TextValue;
    text += '=';
    text += option.Name;
  }
  return text;
}

int main() {
  NvCatalogueStartup();
  for (const NvCatalogueModule* module : NvCatalogueModules()) {
    for (const NvCatalogueTable& table : module->Tables) {
      int position = 0;
      for (const NvSNMPVar* var = table.Vars; var->Oid; ++var, ++position) {
        std::string oid = var->Oid;
        if (oid == " ") oid.clear();
        std::printf("%s\t%s\t%d\t%s\t%s\t%s\t%d\t%s\n", module->Name, table.Prefix, position, oid.c_str(),
                    var->Label, SyntaxName(var->Syntax), var->Access, OptionText(var->Options).c_str());
      }
    }
  }
  NvCatalogueShutdown();
  return 0;
}
