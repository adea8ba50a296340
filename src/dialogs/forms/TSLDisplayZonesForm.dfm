object SLDisplayZonesForm: TSLDisplayZonesForm
  Left = 0
  Top = 0
  BorderStyle = bsNone
  Caption = 'Zones'
  ClientHeight = 234
  ClientWidth = 505
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'Tahoma'
  Font.Style = []
  OldCreateOrder = False
  PixelsPerInch = 96
  TextHeight = 13
  object ZonesListBox: TCheckListBox
    Left = 0
    Top = 0
    Width = 145
    Height = 234
  end
  object VisibleCheckBox: TCheckBox
    Left = 152
    Top = 4
    Width = 97
    Height = 17
    Caption = '&Visible'
  end
  object Label1: TLabel
    Left = 152
    Top = 30
    Width = 60
    Height = 13
    Caption = '&Name'
  end
  object NameEdit: TEdit
    Left = 152
    Top = 44
    Width = 185
    Height = 21
  end
  object PointPenButton: TButton
    Left = 152
    Top = 72
    Width = 90
    Height = 25
    Caption = '&Pen...'
  end
  object PointBrushButton: TButton
    Left = 247
    Top = 72
    Width = 90
    Height = 25
    Caption = '&Brush...'
  end
  object Label2: TLabel
    Left = 152
    Top = 106
    Width = 60
    Height = 13
    Caption = '&X Axis'
  end
  object XAxisComboBox: TComboBox
    Left = 196
    Top = 102
    Width = 141
    Height = 21
    Style = csDropDownList
  end
  object Label3: TLabel
    Left = 152
    Top = 134
    Width = 60
    Height = 13
    Caption = '&Y Axis'
  end
  object YAxisComboBox: TComboBox
    Left = 196
    Top = 130
    Width = 141
    Height = 21
    Style = csDropDownList
  end
  object PageControl1: TPageControl
    Left = 344
    Top = 0
    Width = 161
    Height = 234
    object PointsTabSheet: TTabSheet
      Caption = '&Points'
      object PointsListBox: TListBox
        Left = 4
        Top = 4
        Width = 145
        Height = 96
      end
      object PointAddButton: TButton
        Left = 4
        Top = 104
        Width = 70
        Height = 25
        Caption = 'Add'
      end
      object PointRemoveButton: TButton
        Left = 79
        Top = 104
        Width = 70
        Height = 25
        Caption = 'Remove'
      end
      object GroupBox1: TGroupBox
        Left = 4
        Top = 134
        Width = 145
        Height = 66
        Caption = ' Point '
        object Label4: TLabel
          Left = 8
          Top = 20
          Width = 60
          Height = 13
          Caption = 'X:'
        end
        object PointXEdit: TEdit
          Left = 28
          Top = 16
          Width = 109
          Height = 21
        end
        object Label5: TLabel
          Left = 8
          Top = 44
          Width = 60
          Height = 13
          Caption = 'Y:'
        end
        object PointYEdit: TEdit
          Left = 28
          Top = 40
          Width = 109
          Height = 21
        end
      end
    end
    object ChannelsTabSheet: TTabSheet
      Caption = '&Channels'
      object ChannelsListBox: TCheckListBox
        Left = 4
        Top = 4
        Width = 145
        Height = 196
      end
    end
  end
end
