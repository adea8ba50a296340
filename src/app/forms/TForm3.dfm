object Form3: TForm3
  Left = 0
  Top = 0
  BorderIcons = [biSystemMenu]
  BorderStyle = bsDialog
  Caption = 'Signal Acquisition'
  ClientHeight = 540
  ClientWidth = 800
  Color = clSilver
  Enabled = False
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clBlack
  Font.Height = -11
  Font.Name = 'Tahoma'
  Font.Style = []
  OldCreateOrder = False
  Position = poMainFormCenter
  OnCreate = FormCreate
  OnClose = FormClose
  PixelsPerInch = 96
  TextHeight = 13
  object ScpAB: TSLScope
    Left = 0
    Top = 0
    Width = 800
    Height = 230
    ToolBar.Position.CX = -48
    ToolBar.Position.HostView = thvDataView
    ToolBar.Buttons.Setup.Visible = False
    ToolBar.Buttons.Hold.Visible = False
    ToolBar.Buttons.ZoomPrevious.Visible = False
    ToolBar.Buttons.ZoomNext.Visible = False
    ToolBar.Buttons.ZoomMode.Visible = False
    ToolBar.Buttons.XYZoomOn.Visible = False
    ToolBar.Buttons.Copy.Visible = False
    ToolBar.Buttons.Print.Visible = False
    ToolBar.Buttons.Save.Visible = False
    ToolBar.GlyphColor = clSilver
    ToolBar.BorderColor = clGray
    ToolBar.DisabledColor = clGray
    ToolBar.MouseOverBorderColor = clAqua
    ToolBar.MouseOverButtonColor = clNavy
    ToolBar.MouseDownBorderColor = clAqua
    ToolBar.MouseDownButtonColor = clBlue
    Zooming.MouseZoom = False
    Zooming.KeyboardZoom = False
    Zooming.HoldOnZoom = False
    NavigateMode = nmPan
    Legend.Font.Color = clSilver
    Legend.Font.Name = 'Arial'
    Legend.Font.Size = 8
    Legend.Buttons.Enabled = False
    Legend.Channels.Caption.Text = 'Sensors'
    Legend.Channels.Caption.Font.Color = clSilver
    Legend.Channels.Caption.Font.Name = 'Arial'
    Legend.Channels.Caption.Font.Size = 10
    Legend.Channels.Caption.Font.Style = [fsBold]
    Legend.Cursors.Caption.Text = 'Pulse time'
    Legend.Cursors.Caption.Font.Color = clSilver
    Legend.Cursors.Caption.Font.Name = 'Arial'
    Legend.Cursors.Caption.Font.Size = 10
    Legend.Cursors.Caption.Font.Style = [fsBold]
    Legend.CursorLinks.Caption.Text = 'Delay'
    Legend.CursorLinks.Caption.Font.Color = clSilver
    Legend.CursorLinks.Caption.Font.Name = 'Arial'
    Legend.CursorLinks.Caption.Font.Size = 10
    Legend.CursorLinks.Caption.Font.Style = [fsBold]
    Title.Font.Color = clSilver
    Title.Font.Name = 'Arial'
    Title.Font.Size = 12
    Title.Font.Style = [fsBold]
    DataView.Border.Pen.Color = clGray
    Highlighting.Channels.HiglightFromLegend = False
    Highlighting.Channels.HiglightLegendButton = False
    Highlighting.Labels.HiglightFromLegend = False
    Highlighting.Labels.HiglightLegendButton = False
    Highlighting.Labels.HiglightFromMouse = False
    XAxis.Min.AutoScale = False
    XAxis.Min.Value = 0.0
    XAxis.Max.AutoScale = False
    XAxis.Max.Value = 5.0
    XAxis.Max.DataValue = 40000.0
    XAxis.MajorTicks.Step = 10.0
    XAxis.MajorTicks.StartFrom.Mode = mtmCustom
    XAxis.MajorTicks.StartFrom.StartFrom = 0.0
    XAxis.MinorTicks.Count = 0
    XAxis.Format.PrecisionMode = dpmGeneral
    XAxis.Format.Precision = 3
    XAxis.Color = clGray
    XAxis.Font.Color = clGray
    XAxis.Font.Name = 'Arial'
    XAxis.Font.Size = 8
    XAxis.AxisLabel.Text = 'Time (s)'
    XAxis.AxisLabel.Font.Color = clWhite
    XAxis.AxisLabel.Font.Name = 'Arial'
    XAxis.AxisLabel.Font.Size = 8
    XAxis.AxisLabel.Font.Style = [fsItalic]
    XAxis.DataView.Lines.Pen.Color = clGray
    XAxis.DataView.Lines.Pen.Style = psDot
    XAxis.DataView.ZeroLine.Pen.Color = clGray
    XAxis.UnitScale.AutoScale = False
    XAxis.UnitScale.Exponent = 0
    XAxis.TrackCursor = False
    XAxis.Button.Enabled = False
    YAxis.Min.AutoScale = False
    YAxis.Min.Value = -1.0
    YAxis.Min.DataValue = -1000.0
    YAxis.Max.AutoScale = False
    YAxis.Max.Value = 1.0
    YAxis.Max.DataValue = 1000.0
    YAxis.AutoScaling.Enabled = False
    YAxis.MajorTicks.Step = 10.0
    YAxis.MajorTicks.StartFrom.Mode = mtmCustom
    YAxis.MajorTicks.StartFrom.StartFrom = 0.0
    YAxis.MinorTicks.Count = 0
    YAxis.Format.PrecisionMode = dpmGeneral
    YAxis.Format.Precision = 3
    YAxis.Color = clGray
    YAxis.Font.Color = clGray
    YAxis.Font.Name = 'Arial'
    YAxis.Font.Size = 8
    YAxis.AxisLabel.Text = 'Normalized Amplitude'
    YAxis.AxisLabel.Font.Color = clWhite
    YAxis.AxisLabel.Font.Name = 'Arial'
    YAxis.AxisLabel.Font.Size = 8
    YAxis.AxisLabel.Font.Style = [fsItalic]
    YAxis.DataView.Lines.Pen.Color = clGray
    YAxis.DataView.Lines.Pen.Style = psDot
    YAxis.DataView.ZeroLine.Pen.Color = clGray
    YAxis.Button.Enabled = False
    YAxis.ToolBar.Buttons.ZoomOneDir.Visible = False
    YAxis.TrackCursor = False
    Title.Text = 'Acquired Signals in the Sensors A and B'
    Channels = <
      item
        Name = 'A'
        Color = clRed
        ChannelMode = cmLine
        AxisIndex_ = (0 0)
        OnChannelDraw = ScpABChannels0ChannelDraw
      end
      item
        Name = 'B'
        Color = clYellow
        ChannelMode = cmLine
        AxisIndex_ = (0 0)
        OnChannelDraw = ScpABChannels1ChannelDraw
      end>
    Cursors = <
      item
        Name = 'tA'
        Color = clRed
        Kind = ckVertical
        AxisIndex_ = (0 0)
      end
      item
        Name = 'tB'
        Color = clYellow
        Kind = ckVertical
        AxisIndex_ = (0 0)
      end>
    Cursors.OnPositionChange = ScpABCursorsPositionChange
    CursorLinks = <
      item
        Name = '| tA - tB |'
        BeginCursorIndex = 0
        EndCursorIndex = 1
        MeasurementLine.Y = -1.0
        MeasurementLine.Color = clWhite
        MeasurementLine.Style = psSolid
        MeasurementLine.MeasurementLabel.Font.Color = clWhite
        MeasurementLine.MeasurementLabel.Font.Name = 'Arial'
        MeasurementLine.MeasurementLabel.Font.Size = 8
        Selection.Visible = False
        Selection.Brush.Color = clGray
        MouseCursor = -2
      end>
  end
  object ScpAC: TSLScope
    Left = 0
    Top = 230
    Width = 800
    Height = 230
    ToolBar.Position.CX = -48
    ToolBar.Position.HostView = thvDataView
    ToolBar.Buttons.Setup.Visible = False
    ToolBar.Buttons.Hold.Visible = False
    ToolBar.Buttons.ZoomPrevious.Visible = False
    ToolBar.Buttons.ZoomNext.Visible = False
    ToolBar.Buttons.ZoomMode.Visible = False
    ToolBar.Buttons.XYZoomOn.Visible = False
    ToolBar.Buttons.Copy.Visible = False
    ToolBar.Buttons.Print.Visible = False
    ToolBar.Buttons.Save.Visible = False
    ToolBar.GlyphColor = clSilver
    ToolBar.BorderColor = clGray
    ToolBar.DisabledColor = clGray
    ToolBar.MouseOverBorderColor = clAqua
    ToolBar.MouseOverButtonColor = clNavy
    ToolBar.MouseDownBorderColor = clAqua
    ToolBar.MouseDownButtonColor = clBlue
    Zooming.MouseZoom = False
    Zooming.KeyboardZoom = False
    Zooming.HoldOnZoom = False
    NavigateMode = nmPan
    Legend.Font.Color = clSilver
    Legend.Font.Name = 'Arial'
    Legend.Font.Size = 8
    Legend.Buttons.Enabled = False
    Legend.Channels.Caption.Text = 'Sensors'
    Legend.Channels.Caption.Font.Color = clSilver
    Legend.Channels.Caption.Font.Name = 'Arial'
    Legend.Channels.Caption.Font.Size = 10
    Legend.Channels.Caption.Font.Style = [fsBold]
    Legend.Cursors.Caption.Text = 'Pulse time'
    Legend.Cursors.Caption.Font.Color = clSilver
    Legend.Cursors.Caption.Font.Name = 'Arial'
    Legend.Cursors.Caption.Font.Size = 10
    Legend.Cursors.Caption.Font.Style = [fsBold]
    Legend.CursorLinks.Caption.Text = 'Delay'
    Legend.CursorLinks.Caption.Font.Color = clSilver
    Legend.CursorLinks.Caption.Font.Name = 'Arial'
    Legend.CursorLinks.Caption.Font.Size = 10
    Legend.CursorLinks.Caption.Font.Style = [fsBold]
    Title.Font.Color = clSilver
    Title.Font.Name = 'Arial'
    Title.Font.Size = 12
    Title.Font.Style = [fsBold]
    DataView.Border.Pen.Color = clGray
    Highlighting.Channels.HiglightFromLegend = False
    Highlighting.Channels.HiglightLegendButton = False
    Highlighting.Labels.HiglightFromLegend = False
    Highlighting.Labels.HiglightLegendButton = False
    Highlighting.Labels.HiglightFromMouse = False
    XAxis.Min.AutoScale = False
    XAxis.Min.Value = 0.0
    XAxis.Max.AutoScale = False
    XAxis.Max.Value = 5.0
    XAxis.Max.DataValue = 40000.0
    XAxis.MajorTicks.Step = 10.0
    XAxis.MajorTicks.StartFrom.Mode = mtmCustom
    XAxis.MajorTicks.StartFrom.StartFrom = 0.0
    XAxis.MinorTicks.Count = 0
    XAxis.Format.PrecisionMode = dpmGeneral
    XAxis.Format.Precision = 3
    XAxis.Color = clGray
    XAxis.Font.Color = clGray
    XAxis.Font.Name = 'Arial'
    XAxis.Font.Size = 8
    XAxis.AxisLabel.Text = 'Time (s)'
    XAxis.AxisLabel.Font.Color = clWhite
    XAxis.AxisLabel.Font.Name = 'Arial'
    XAxis.AxisLabel.Font.Size = 8
    XAxis.AxisLabel.Font.Style = [fsItalic]
    XAxis.DataView.Lines.Pen.Color = clGray
    XAxis.DataView.Lines.Pen.Style = psDot
    XAxis.DataView.ZeroLine.Pen.Color = clGray
    XAxis.UnitScale.AutoScale = False
    XAxis.UnitScale.Exponent = 0
    XAxis.TrackCursor = False
    XAxis.Button.Enabled = False
    YAxis.Min.AutoScale = False
    YAxis.Min.Value = -1.0
    YAxis.Min.DataValue = -1000.0
    YAxis.Max.AutoScale = False
    YAxis.Max.Value = 1.0
    YAxis.Max.DataValue = 1000.0
    YAxis.AutoScaling.Enabled = False
    YAxis.MajorTicks.Step = 10.0
    YAxis.MajorTicks.StartFrom.Mode = mtmCustom
    YAxis.MajorTicks.StartFrom.StartFrom = 0.0
    YAxis.MinorTicks.Count = 0
    YAxis.Format.PrecisionMode = dpmGeneral
    YAxis.Format.Precision = 3
    YAxis.Color = clGray
    YAxis.Font.Color = clGray
    YAxis.Font.Name = 'Arial'
    YAxis.Font.Size = 8
    YAxis.AxisLabel.Text = 'Normalized Amplitude'
    YAxis.AxisLabel.Font.Color = clWhite
    YAxis.AxisLabel.Font.Name = 'Arial'
    YAxis.AxisLabel.Font.Size = 8
    YAxis.AxisLabel.Font.Style = [fsItalic]
    YAxis.DataView.Lines.Pen.Color = clGray
    YAxis.DataView.Lines.Pen.Style = psDot
    YAxis.DataView.ZeroLine.Pen.Color = clGray
    YAxis.Button.Enabled = False
    YAxis.ToolBar.Buttons.ZoomOneDir.Visible = False
    YAxis.TrackCursor = False
    Title.Text = 'Acquired Signals in the Sensors A and C'
    Channels = <
      item
        Name = 'A'
        Color = clRed
        ChannelMode = cmLine
        AxisIndex_ = (0 0)
        OnChannelDraw = ScpACChannels0ChannelDraw
      end
      item
        Name = 'C'
        Color = clAqua
        ChannelMode = cmLine
        AxisIndex_ = (0 0)
        OnChannelDraw = ScpACChannels1ChannelDraw
      end>
    Cursors = <
      item
        Name = 'tA'
        Color = clRed
        Kind = ckVertical
        AxisIndex_ = (0 0)
      end
      item
        Name = 'tC'
        Color = clAqua
        Kind = ckVertical
        AxisIndex_ = (0 0)
      end>
    Cursors.OnPositionChange = ScpACCursorsPositionChange
    CursorLinks = <
      item
        Name = '| tA - tC |'
        BeginCursorIndex = 0
        EndCursorIndex = 1
        MeasurementLine.Y = -1.0
        MeasurementLine.Color = clWhite
        MeasurementLine.Style = psSolid
        MeasurementLine.MeasurementLabel.Font.Color = clWhite
        MeasurementLine.MeasurementLabel.Font.Name = 'Arial'
        MeasurementLine.MeasurementLabel.Font.Size = 8
        Selection.Visible = False
        Selection.Brush.Color = clGray
        MouseCursor = -2
      end>
  end
  object Panel1: TPanel
    Left = 2
    Top = 462
    Width = 796
    Height = 76
    BevelOuter = bvLowered
    Color = clSilver
    TabOrder = 0
    object chkAutomaticTime: TCheckBox
      Left = 8
      Top = 4
      Width = 129
      Height = 17
      Caption = 'Auto Detect Pulse'
      TabOrder = 0
      OnClick = chkAutomaticTimeClick
    end
    object chkHold: TCheckBox
      Left = 8
      Top = 25
      Width = 97
      Height = 17
      Caption = 'Hold Detection'
      TabOrder = 1
    end
    object Image1: TImage
      Left = 221
      Top = 6
      Width = 64
      Height = 64
      Picture.Data = {
        09544D65746166696C653C73766720786D6C6E733D22687474703A2F2F777777
        2E77332E6F72672F323030302F737667222077696474683D2236342220686569
        6768743D223634222076696577426F783D22302030203634203634223E0A2020
        3C212D2D2053656E736F72207061697220412B423A206120736D616C6C207363
        6F70652073637265656E2077697468207468652070756C7365206F6E20626F74
        6820696E707574732E202D2D3E0A20203C7265637420783D22322220793D2234
        222077696474683D22363022206865696768743D223536222072783D22352220
        66696C6C3D222332303261333422207374726F6B653D22233630366137342220
        7374726F6B652D77696474683D2232222F3E0A20203C6C696E652078313D2234
        222079313D223332222078323D223630222079323D22333222207374726F6B65
        3D222333613461353822207374726F6B652D77696474683D2231222F3E0A2020
        3C7061746820643D224D3620323020483232204C3235203130204C3238203238
        204C3331203135204C333420323020483538222066696C6C3D226E6F6E652220
        7374726F6B653D222366663330333022207374726F6B652D77696474683D2232
        22207374726F6B652D6C696E656A6F696E3D22726F756E64222F3E0A20203C70
        61746820643D224D3620343620483330204C3333203337204C3336203534204C
        3339203431204C343220343620483538222066696C6C3D226E6F6E6522207374
        726F6B653D222366666666303022207374726F6B652D77696474683D22322220
        7374726F6B652D6C696E656A6F696E3D22726F756E64222F3E0A20203C746578
        7420783D22382220793D2231362220666F6E742D66616D696C793D2241726961
        6C2220666F6E742D7765696768743D22626F6C642220666F6E742D73697A653D
        223132222066696C6C3D2223666633303330223E413C2F746578743E0A20203C
        7465787420783D22382220793D2234322220666F6E742D66616D696C793D2241
        7269616C2220666F6E742D7765696768743D22626F6C642220666F6E742D7369
        7A653D223132222066696C6C3D2223666666663030223E423C2F746578743E0A
        3C2F7376673E0A}
    end
    object Image2: TImage
      Left = 472
      Top = 6
      Width = 64
      Height = 64
      Picture.Data = {
        09544D65746166696C653C73766720786D6C6E733D22687474703A2F2F777777
        2E77332E6F72672F323030302F737667222077696474683D2236342220686569
        6768743D223634222076696577426F783D22302030203634203634223E0A2020
        3C212D2D2053656E736F72207061697220412B433A206120736D616C6C207363
        6F70652073637265656E2077697468207468652070756C7365206F6E20626F74
        6820696E707574732E202D2D3E0A20203C7265637420783D22322220793D2234
        222077696474683D22363022206865696768743D223536222072783D22352220
        66696C6C3D222332303261333422207374726F6B653D22233630366137342220
        7374726F6B652D77696474683D2232222F3E0A20203C6C696E652078313D2234
        222079313D223332222078323D223630222079323D22333222207374726F6B65
        3D222333613461353822207374726F6B652D77696474683D2231222F3E0A2020
        3C7061746820643D224D3620323020483232204C3235203130204C3238203238
        204C3331203135204C333420323020483538222066696C6C3D226E6F6E652220
        7374726F6B653D222366663330333022207374726F6B652D77696474683D2232
        22207374726F6B652D6C696E656A6F696E3D22726F756E64222F3E0A20203C70
        61746820643D224D3620343620483330204C3333203337204C3336203534204C
        3339203431204C343220343620483538222066696C6C3D226E6F6E6522207374
        726F6B653D222330306666666622207374726F6B652D77696474683D22322220
        7374726F6B652D6C696E656A6F696E3D22726F756E64222F3E0A20203C746578
        7420783D22382220793D2231362220666F6E742D66616D696C793D2241726961
        6C2220666F6E742D7765696768743D22626F6C642220666F6E742D73697A653D
        223132222066696C6C3D2223666633303330223E413C2F746578743E0A20203C
        7465787420783D22382220793D2234322220666F6E742D66616D696C793D2241
        7269616C2220666F6E742D7765696768743D22626F6C642220666F6E742D7369
        7A653D223132222066696C6C3D2223303066666666223E433C2F746578743E0A
        3C2F7376673E0A}
    end
    object seletor: TTrackBar
      Left = 280
      Top = 6
      Width = 194
      Height = 60
      Hint = 'Select Sensors for Acquisition'
      Max = 2
      ParentShowHint = False
      Position = 1
      ShowHint = True
      TabStop = False
      ThumbLength = 40
      TickMarks = tmBoth
      OnChange = seletorChange
    end
    object btnSaveRun: TButton
      Left = 540
      Top = 3
      Width = 72
      Height = 22
      Hint = 'Save the traces, times and result in a run folder'
      Caption = 'Save Run'#8230
      ParentShowHint = False
      ShowHint = True
      TabOrder = 3
      OnClick = btnSaveRunClick
    end
    object btnOpenRun: TButton
      Left = 540
      Top = 27
      Width = 72
      Height = 22
      Hint = 'Show a saved run folder again'
      Caption = 'Open Run'#8230
      ParentShowHint = False
      ShowHint = True
      TabOrder = 4
      OnClick = btnOpenRunClick
    end
    object btnExportCsv: TButton
      Left = 540
      Top = 51
      Width = 72
      Height = 22
      Hint = 'Write the traces and results as CSV files for a spreadsheet'
      Caption = 'Export CSV'#8230
      ParentShowHint = False
      ShowHint = True
      TabOrder = 5
      OnClick = btnExportCsvClick
    end
    object btnEpicenter: TBitBtn
      Left = 616
      Top = 0
      Width = 180
      Height = 76
      Hint = 'Find Epicenter'
      ParentShowHint = False
      ShowHint = True
      TabOrder = 2
      OnClick = btnEpicenterClick
      Glyph.Data = {
        09544D65746166696C653C73766720786D6C6E733D22687474703A2F2F777777
        2E77332E6F72672F323030302F737667222077696474683D2231353022206865
        696768743D223630222076696577426F783D2230203020313530203630223E0A
        20203C212D2D2046696E642045706963656E7465723A206120676C6F62652073
        65656E207468726F7567682061206D61676E696679696E6720676C6173732C20
        616E642074686520776F7264732E202D2D3E0A20203C636972636C652063783D
        223236222063793D2232362220723D223139222066696C6C3D22233261366662
        3822207374726F6B653D222331613366366122207374726F6B652D7769647468
        3D22312E35222F3E0A20203C7061746820643D224D3134203138207136202D36
        203132202D322071342034202D32203820712D362032202D34203820712D3620
        2D32202D36202D3134207A222066696C6C3D2223346361663530222F3E0A2020
        3C7061746820643D224D3330203330207136202D342031302032207130203620
        2D36203820712D34202D32202D34202D3130207A222066696C6C3D2223346361
        663530222F3E0A20203C672066696C6C3D226E6F6E6522207374726F6B653D22
        2364306534663822207374726F6B652D77696474683D22302E3822206F706163
        6974793D22302E37223E0A202020203C656C6C697073652063783D2232362220
        63793D223236222072783D2238222072793D223139222F3E0A202020203C6C69
        6E652078313D2237222079313D223236222078323D223435222079323D223236
        222F3E0A20203C2F673E0A20203C636972636C652063783D223330222063793D
        2232322220723D223133222066696C6C3D2223666666666666222066696C6C2D
        6F7061636974793D22302E323522207374726F6B653D22233330333033302220
        7374726F6B652D77696474683D2233222F3E0A20203C6C696E652078313D2233
        39222079313D223332222078323D223530222079323D22343622207374726F6B
        653D222333303330333022207374726F6B652D77696474683D22352220737472
        6F6B652D6C696E656361703D22726F756E64222F3E0A20203C6C696E65207831
        3D223339222079313D223332222078323D223530222079323D22343622207374
        726F6B653D222338613561326122207374726F6B652D77696474683D22332220
        7374726F6B652D6C696E656361703D22726F756E64222F3E0A20203C74657874
        20783D2235382220793D2232362220666F6E742D66616D696C793D225461686F
        6D612220666F6E742D7765696768743D22626F6C642220666F6E742D73697A65
        3D223135222066696C6C3D2223316131613161223E46696E643C2F746578743E
        0A20203C7465787420783D2235382220793D2234352220666F6E742D66616D69
        6C793D225461686F6D612220666F6E742D7765696768743D22626F6C64222066
        6F6E742D73697A653D223135222066696C6C3D2223316131613161223E457069
        63656E7465723C2F746578743E0A3C2F7376673E0A}
    end
  end
  object dlgRunFolder: TFolderDialog
    Title = 'Run Folder'
  end
  object AI: TALAudioIn
    Enabled = False
    Device.DeviceName = 'Default'
    OutputPin.Form = Form3
    OutputPin.SinkPins = (Form3.A2R.InputPin)
  end
  object A2R: TALAudioToReal
    Normalize = True
    InputPin.Form = Form3
    InputPin.SourcePin = Form3.AI.OutputPin
  end
end
