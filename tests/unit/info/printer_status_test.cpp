// The supplies and state `info` adds: printer-supply values and a queue's
// marker lists read into levels in per cent, the special levels unknown.
#include <gtest/gtest.h>

#include "core/info/printer_info_json.hpp"
#include "core/info/printer_status.hpp"

namespace veltrim {
namespace {

TEST(PrinterSupply, WorkedRows) {
  struct Row { const char* value; Supply expected; };
  const Row rows[] = {
      {"index=2;class=supplyThatIsConsumed;type=toner;unit=percent;maxcapacity=100;level=75;colorantname=black;",
       {"D", "toner", "black", 75}},
      {"type=ink;unit=percent;level=0;colorantname=cyan", {"D", "ink", "cyan", 0}},
      // The special values: other, unknown, some left.
      {"type=toner;unit=percent;maxcapacity=100;level=-1;", {"D", "toner", "", std::nullopt}},
      {"type=toner;unit=percent;maxcapacity=100;level=-2;", {"D", "toner", "", std::nullopt}},
      {"type=toner;unit=percent;maxcapacity=100;level=-3;", {"D", "toner", "", std::nullopt}},
      // Other units count against the capacity, rounded.
      {"type=wasteInk;unit=items;maxcapacity=600;level=150;", {"D", "wasteInk", "", 25}},
      {"unit=items;maxcapacity=3;level=2;", {"D", "", "", 67}},
      {"unit=items;maxcapacity=-2;level=5;", {"D", "", "", std::nullopt}},
      {"unit=items;maxcapacity=0;level=0;", {"D", "", "", std::nullopt}},
      {"unit=items;maxcapacity=600;level=601;", {"D", "", "", std::nullopt}},
      {"unit=percent;level=101;", {"D", "", "", std::nullopt}},
      // Missing and malformed keys leave their field unknown.
      {"type=toner;unit=percent;", {"D", "toner", "", std::nullopt}},
      {"type=toner;level=75;", {"D", "toner", "", std::nullopt}},
      {"level=7x;unit=percent;;junk;=3;type=toner", {"D", "toner", "", std::nullopt}},
      {"level= 7;unit=percent", {"D", "", "", std::nullopt}},
      {"level=99999999999;unit=percent", {"D", "", "", std::nullopt}},
  };
  for (const Row& row : rows) EXPECT_EQ(ParsePrinterSupply(row.value, "D"), row.expected) << row.value;
  for (const char* notSupply : {"", ";;;", "garbage", "=5;"}) EXPECT_FALSE(ParsePrinterSupply(notSupply, "D"));
}

TEST(PrinterSupply, MarkerListsByPosition) {
  const std::string names[] = {"Black", "Cyan", "Magenta", "Yellow", "Waste"};
  const std::string types[] = {"toner", "toner", "toner", "toner"};
  const std::string colours[] = {"#000000", "#00FFFF", "#FF00FF"};
  const int levels[] = {60, -1, -2, -3};
  const std::vector<Supply> expected{{"Black", "toner", "#000000", 60},
                                     {"Cyan", "toner", "#00FFFF", std::nullopt},
                                     {"Magenta", "toner", "#FF00FF", std::nullopt},
                                     {"Yellow", "toner", "", std::nullopt},
                                     {"Waste", "", "", std::nullopt}};
  EXPECT_EQ(SuppliesFromMarkers(names, types, colours, levels), expected);
}

TEST(PrinterStatus, SectionAndJson) {
  PrinterStatus status{"stopped", {"media-empty", "cover-open"},
                       {{"Black Toner", "toner", "black", 75}, {"", "", "", std::nullopt}}};
  EXPECT_EQ(PrinterStatusSection(status),
            "\r\n\r\n[ PRINTER STATE AND SUPPLIES ]\r\n\r\n  Printer State: stopped\r\n"
            "  State Reasons: media-empty, cover-open\r\n  Supplies:\r\n"
            "    - Black Toner: type toner, colour black, level 75 %\r\n"
            "    - unknown: type unknown, colour unknown, level unknown\r\n");
  EXPECT_TRUE(PrinterStatusSection({}).ends_with(
      "  Printer State: unknown\r\n  State Reasons: none\r\n  Supplies: none reported\r\n"));

  EXPECT_EQ(PrinterInfoJson({"P", "ipp://h/p", std::nullopt, std::nullopt}, &status),
            "{\"printer\":\"P\",\"port\":\"ipp://h/p\",\"state\":\"stopped\",\"stateReasons\":[\"media-empty\","
            "\"cover-open\"],\"supplies\":[{\"name\":\"Black Toner\",\"type\":\"toner\",\"colour\":\"black\","
            "\"level\":75},{\"name\":\"\",\"type\":\"\",\"colour\":\"\",\"level\":\"unknown\"}]}\n");
}

TEST(PrinterStatus, StateNames) {
  EXPECT_EQ(PrinterStateName(3), "idle");
  EXPECT_EQ(PrinterStateName(4), "processing");
  EXPECT_EQ(PrinterStateName(5), "stopped");
  EXPECT_EQ(PrinterStateName(6), "");
}

}  // namespace
}  // namespace veltrim
