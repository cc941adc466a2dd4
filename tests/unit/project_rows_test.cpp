// The registered rows of paths, files, random values, numbers and markers:
// their place after the string rows and their definition strings, exactly.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "entry/registry.hpp"

using namespace KV_COBALT;

namespace {

// "name|return|types|names|help" for one row.
std::string described(const api_record& row) {
  std::string text = std::string(row.api_key).substr(4);
  const char* field = row.definition;
  for (int i = 0; i < 4; ++i, field += std::strlen(field) + 1) text += "|" + std::string(field);
  return text;
}

}  // namespace

TEST(ProjectRows, FollowTheStringRowsInOrderWithExactDefinitions) {
  const std::vector<std::string> expected = {
      "KV_SetProjectInfoRecPath|bool|ReaProject*,const char*,char*,int|projID,path,beforePathOut,beforePathOut_sz|"
      "[KV:API]Set ProjectInfo RecPath",
      "KV_SetProjectInfoRecAddPath|bool|ReaProject*,const char*,char*,int,char*,int|projID,path,beforePathOut,"
      "beforePathOut_sz,afterPathOut,afterPathOut_sz|[KV:API]Set ProjectInfo RecAddPath",
      "KV_SetProjectPathFolder|bool|const char*,int,char*,int,char*,int|folderName,timeType,fullPathOut,"
      "fullPathOut_sz,addPathOut,addPathOut_sz|[KV:API]Set ProjectPath Folder",
      "KV_SetResoucePathFolder|bool|const char*,int,char*,int,char*,int|folderName,timeType,fullPathOut,"
      "fullPathOut_sz,addPathOut,addPathOut_sz|[KV:API]Set ResoucePath Folder",
      "KV_SetPathFolder|bool|const char*,const char*,int,char*,int|folderPath,folderName,timeType,fullPathOut,"
      "fullPathOut_sz|[KV:API]Set Path Folder",
      "KV_SetCopyFile|bool|const char*,const char*|copyFilePath,pasteFilePath|[KV:API]Copy File",
      "KV_GetRandomNumInteger|bool|int,int,int*|low,high,randomOut|[KV:API]Get Random Num Integer",
      "KV_GetRandomNumDouble|bool|double,double,int,double*|low,high,doubleType,randomOut|"
      "[KV:API]Get Random Num Double",
      "KV_GetRandomColor|bool|int*,int*,int*,int*|colorOut,rOut,gOut,bOut|[KV:API]Get Random Color RGB",
      "KV_FormatNumDigit|bool|int,int,char*,int|num,digit,formattedNumOut,formattedNumOut_sz|"
      "[KV:API]Format a number with specified number of digits",
      "KV_GetRegionMarkerIndex|bool|ReaProject*,int,int*|projID,regionID,indexOut|[KV:API]Get RegionMarker Index",
      "KV_GetRegionMarkerPosition|bool|ReaProject*,int,double*,double*|projID,regionID,startPosOut,endPosOut|"
      "[KV:API]Get RegionMarker Start End Position",
      "KV_GetRegionMarkerName|bool|ReaProject*,int,char*,int|projID,regionID,nameOut,nameOut_sz|"
      "[KV:API]Get RegionMarker Name",
      "KV_GetRegionMarkerColor|bool|ReaProject*,int,int*|projID,regionID,colorOut|[KV:API]Get RegionMarker Color",
      "KV_SetRegionMarkerPosition|bool|ReaProject*,int,double,double|projID,regionID,setStartPos,setEndPos|"
      "[KV:API]Set RegionMarker Position",
      "KV_SetRegionMarkerColor|bool|ReaProject*,int,int|projID,regionID,setColor|[KV:API]Set RegionMarker Color",
      "KV_SetRegionMarkerName|bool|ReaProject*,int,const char*|projID,regionID,setName|"
      "[KV:API]Set RegionMarker Name",
      "KV_AddRegionMarker|bool|ReaProject*,double,double,const char*,int,int,int*|projID,setStartPos,setEndPos,"
      "setName,setRegionIndex,setColor,regionIndexOut|[KV:API]Add RegionMarker",
      "KV_DeleteAllRegion|bool|ReaProject*|projID|[KV:API]Delete All Region",
      "KV_WriteFile|bool|const char*,const char*,const char*,int|directory,filename,text,mode|"
      "[KV:API]Write text in file. mode 0: override, 1: create new file , 2: append",
  };
  int first = -1;
  for (int i = 0; i < api_define_list.count; ++i)
    if (std::string(api_define_list.records[i].api_key) == "API_KV_DeleteBlankString") first = i + 1;
  ASSERT_GT(first, 0);
  ASSERT_GE(api_define_list.count, first + static_cast<int>(expected.size()) + 1);
  for (std::size_t k = 0; k < expected.size(); ++k)
    EXPECT_EQ(described(api_define_list.records[first + static_cast<int>(k)]), expected[k]);

  const std::string read_file = described(api_define_list.records[first + static_cast<int>(expected.size())]);
  const std::string read_head =
      "KV_ReadFile|bool|const char*,const char*,char*,int|directory,filename,textOutNeedBig,textOutNeedBig_sz|"
      "[KV:API]";
  EXPECT_EQ(read_file.substr(0, read_head.size()), read_head);
  EXPECT_GT(read_file.size(), read_head.size());
}
