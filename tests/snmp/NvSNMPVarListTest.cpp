#include <gtest/gtest.h>

#include <stdexcept>

#include "NvSNMPVarList.h"

namespace {

NvOptionPair StateSource[] = {{1, "up"}, {2, "down"}, {0, nullptr}};
NvOptionList States(StateSource);

const NvSNMPVar PortTable[] = {
    {" ", "Port", NvSyntax::integer, NvAccess::notaccess, nullptr},
    {"1.3.6.1.4.1.32473.1", "State", NvSyntax::integer, NvAccess::readwrite, &States},
    {"1.3.6.1.4.1.32473.2", "Name", NvSyntax::displaystr, NvAccess::readonly, nullptr},
    {}};

TEST(NvSNMPVarList, WalkListCountsIndexColumnsAsWritableButNotReadable) {
  NvSNMPVarList list(PortTable, MVT_FMV, 1);
  ASSERT_EQ(list.GetCount(), 3);
  EXPECT_TRUE(list.IsWritable(0));
  EXPECT_FALSE(list.IsReadable(0));
  EXPECT_TRUE(list.IsReadable(1));
  EXPECT_FALSE(list.IsWritable(2));
  EXPECT_STREQ(list.GetVar(1)->Label, "State");
  EXPECT_EQ(list.GetVar(1)->Options, &States);
  EXPECT_TRUE(list.GetVar(0)->Value->empty());
  EXPECT_TRUE(list.GetVar(0)->LastOid->empty());
}

TEST(NvSNMPVarList, OneRowListDoesNotWriteIndexColumns) {
  NvSNMPVarList list(PortTable, MVT_SV, 1);
  EXPECT_FALSE(list.IsWritable(0));
  EXPECT_TRUE(list.IsWritable(1));
}

TEST(NvSNMPVarList, AssignmentIsDeepAndKeepsTheTargetsInstanceSuffix) {
  NvSNMPVarList source(PortTable, MVT_FMV, 1);
  source.InstanceSuffix = "0";
  source.Caption = "Ports";
  *source.GetVar(1)->Value = "up";
  NvSNMPVarList target;
  target = source;
  EXPECT_EQ(target.InstanceSuffix, "");
  EXPECT_EQ(target.Caption, "Ports");
  EXPECT_EQ(target.Kind, MVT_FMV);
  EXPECT_EQ(target.IndexCount, 1);
  ASSERT_EQ(target.GetCount(), 3);
  EXPECT_EQ(*target.GetVar(1)->Value, "up");
  EXPECT_NE(target.GetVar(1)->Value, source.GetVar(1)->Value);
  EXPECT_NE(target.GetVar(1)->Oid, source.GetVar(1)->Oid);
  EXPECT_EQ(target.GetVar(1)->Options, source.GetVar(1)->Options);

  *target.GetVar(1)->Value = "down";
  EXPECT_EQ(*source.GetVar(1)->Value, "up");
  {
    NvSNMPVarList temporary(PortTable, SVT_SV, 0);
    temporary.GetVar(0)->Access |= NvAccess::invalid;
    target = temporary;
  }  // the copy outlives the temporary it came from
  EXPECT_EQ(target.Kind, SVT_SV);
  EXPECT_STREQ(target.GetVar(2)->Oid, "1.3.6.1.4.1.32473.2");
  EXPECT_EQ(target.GetVar(0)->Access, NvAccess::notaccess | NvAccess::invalid);
}

TEST(NvSNMPVarList, CopyAndMoveConstructionCarryTheVariables) {
  NvSNMPVarList source(PortTable, MVT_UMV, 1);
  *source.GetVar(2)->LastOid = "1.3.6.1.4.1.32473.2.7";
  NvSNMPVarList copy(source);
  EXPECT_EQ(*copy.GetVar(2)->LastOid, "1.3.6.1.4.1.32473.2.7");
  NvSNMPVarList moved(std::move(copy));
  EXPECT_EQ(moved.GetCount(), 3);
  EXPECT_EQ(moved.Kind, MVT_UMV);
  NvSNMPVarList target;
  target.InstanceSuffix = "5";
  target = NvSNMPVarList(PortTable, MVT_FMV, 1);
  EXPECT_EQ(target.InstanceSuffix, "5");
  EXPECT_EQ(target.GetCount(), 3);
}

TEST(NvSNMPVarList, AddVarStoresEmptyTextsAsNull) {
  NvSNMPVarList list;
  list.AddVar("1.3.6.1.2.1.1.5", "Name", NvSyntax::displaystr, NvAccess::readwrite, nullptr, "", "", "");
  list.AddVar("1.3.6.1.2.1.1.6", "Place", NvSyntax::displaystr, NvAccess::readwrite, nullptr, "$0", "$1", "x");
  const NvSNMPVar* plain = list.GetVar(0);
  EXPECT_EQ(plain->ReadExpr, nullptr);
  EXPECT_EQ(plain->WriteExpr, nullptr);
  EXPECT_EQ(plain->Text3, nullptr);
  ASSERT_NE(plain->Value, nullptr);
  EXPECT_STREQ(list.GetVar(1)->ReadExpr, "$0");
  EXPECT_STREQ(list.GetVar(1)->WriteExpr, "$1");
  EXPECT_STREQ(list.GetVar(1)->Text3, "x");
  NvSNMPVarList copy(list);
  EXPECT_EQ(copy.GetVar(0)->ReadExpr, nullptr);
  EXPECT_STREQ(copy.GetVar(1)->WriteExpr, "$1");
  EXPECT_NE(copy.GetVar(1)->WriteExpr, list.GetVar(1)->WriteExpr);
}

TEST(NvSNMPVarList, AppendInstanceExtendsEveryOidIncludingPseudoColumns) {
  NvSNMPVarList list(PortTable, MVT_SV, 1);
  list.AppendInstance("3");
  EXPECT_STREQ(list.GetVar(0)->Oid, " .3");
  EXPECT_STREQ(list.GetVar(1)->Oid, "1.3.6.1.4.1.32473.1.3");
  list.AppendInstance("1");
  EXPECT_STREQ(list.GetVar(2)->Oid, "1.3.6.1.4.1.32473.2.3.1");
}

TEST(NvSNMPVarList, AppendingKeepsExistingVariablesInPlace) {
  NvSNMPVarList list(PortTable, MVT_FMV, 1);
  NvSNMPVar* first = list.GetVar(1);
  for (int i = 0; i < 20; ++i) list.AppendTable(PortTable);
  EXPECT_EQ(list.GetCount(), 63);
  EXPECT_EQ(list.GetVar(1), first);
  EXPECT_STREQ(first->Oid, "1.3.6.1.4.1.32473.1");
  list.AppendTable(nullptr);
  const NvSNMPVar empty[] = {{}};
  list.AppendTable(empty);
  EXPECT_EQ(list.GetCount(), 63);
}

TEST(NvSNMPVarList, AppendTableCopiesValuesARecordCarries) {
  std::string value = "7", last = "1.3.6.1.4.1.32473.1.7";
  const NvSNMPVar records[] = {
      {"1.3.6.1.4.1.32473.1", "State", NvSyntax::integer, NvAccess::readwrite, nullptr, "$0*2", nullptr,
       nullptr, &value, &last},
      {}};
  NvSNMPVarList list(records, MVT_SV, 0);
  EXPECT_EQ(*list.GetVar(0)->Value, "7");
  EXPECT_EQ(*list.GetVar(0)->LastOid, "1.3.6.1.4.1.32473.1.7");
  EXPECT_NE(list.GetVar(0)->Value, &value);
  EXPECT_STREQ(list.GetVar(0)->ReadExpr, "$0*2");
}

TEST(NvSNMPVarList, AccessBitsDecideReadingWritingAndColumns) {
  struct Case {
    int access;
    bool readable, writable, visible, hidden, implied;
  };
  const Case cases[] = {
      {NvAccess::readwrite, true, true, true, false, false},
      {NvAccess::readonly, true, false, true, false, false},
      {NvAccess::writeonly, false, true, false, true, false},
      {NvAccess::notaccess, false, false, true, false, false},
      {NvAccess::derived, false, false, true, false, false},
      {0x12, true, false, false, true, false},  // readonly, hidden
      {0x22, false, false, false, true, false},  // readonly, invalid
      {0x26, false, false, false, true, false},  // readwrite, invalid
      {0x41, false, false, true, false, true},   // IMPLIED index
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.access);
    NvSNMPVarList list(PortTable, SVT_SV, 0);
    list.GetVar(2)->Access = c.access;
    EXPECT_EQ(list.IsReadable(2), c.readable);
    EXPECT_EQ(list.IsWritable(2), c.writable);
    EXPECT_EQ(list.IsVisible(2), c.visible);
    EXPECT_EQ(list.IsHidden(2), c.hidden);
    EXPECT_EQ(list.IsImplied(2), c.implied);
  }
}

TEST(NvSNMPVarList, CountsVisibleAndHiddenVariables) {
  NvSNMPVarList list(PortTable, MVT_FMV, 1);
  list.AddVar("1.3.6.1.4.1.32473.3", "Secret", NvSyntax::octetstr, NvAccess::writeonly, nullptr);
  list.AddVar("1.3.6.1.4.1.32473.4", "Quiet", NvSyntax::integer, NvAccess::readonly | NvAccess::hidden, nullptr);
  EXPECT_EQ(list.GetVisibleCount(), 3);
  EXPECT_EQ(list.GetHiddenCount(), 2);
}

TEST(NvSNMPVarList, IndexOutsideTheListThrowsInsteadOfReadingAnywhere) {
  NvSNMPVarList list(PortTable, MVT_FMV, 1);
  EXPECT_THROW(list.GetVar(3), std::out_of_range);
  EXPECT_THROW(list.GetVar(-1), std::out_of_range);
  EXPECT_THROW(list.IsReadable(3), std::out_of_range);
}

TEST(NvSNMPVarList, TableCountStopsAtTheEndRecord) {
  EXPECT_EQ(NvSNMPTableCount(PortTable), 3);
  EXPECT_EQ(NvSNMPTableCount(nullptr), 0);
}

TEST(NvSNMPVarList, VocabularyListsNameTheCodes) {
  EXPECT_EQ(NvListKindNames.ValueToName("2"), "MVT_FMV");
  EXPECT_EQ(NvListKindNames.NameToValue("mvt_umv"), "3");
  EXPECT_EQ(NvSyntaxNames.GetCount(), 28);
  EXPECT_EQ(NvSyntaxNames.GetOption(0).Name, "integer");
  EXPECT_EQ(NvSyntaxNames.ValueToName("81"), "inetaddress");
  EXPECT_EQ(NvSyntaxNames.NameToValue("GUAGE"), "66");
  EXPECT_EQ(NvAccessNames.NameToValue("readwrite"), "6");
  EXPECT_EQ(NvAccessNames.ValueToName("64"), "64");
}

}  // namespace
