object Form4: TFuzzForm
  object A2ROsc: TFuzzComponent
    Range.Color = 16744448
    Caption = 'long ' +
      'string'
  end
  inherited A2ROsc: TFuzzComponent
    Count = 1
  end
end
