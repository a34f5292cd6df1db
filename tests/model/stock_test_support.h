#pragma once
// Stocks the model tests share.
#include "model/stock.h"

namespace stock_test {

// A custom-size stock with every field set to a value other than its default.
inline Stock EveryFieldSet() {
  Stock s;
  s.setWidth(20000);
  s.setLength(30000);
  s.setColor(10);
  s.setCustomColor("Sea Green");
  s.setType(6);
  s.setCustomType("Ordered Dividers");
  s.setModulus(5);
  s.setWeight(163);
  s.setPunched(2);
  s.setDescription("Heavy card, Grüße");
  s.setSidesCoated(2);
  s.setCoatingType(4);
  s.setFinish(3);
  s.setGrain(2);
  s.setCustomName("Dividers 5-set");
  s.setCustomNameOnly(true);
  s.setComment("keep dry");
  s.setSource(3);
  return s;
}

}  // namespace stock_test
